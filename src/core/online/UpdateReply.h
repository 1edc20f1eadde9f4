#pragma once

#include <QString>

namespace scribora::online {

// What the update reply says about one product. The reply is a tagged text of
// "<PROGRAM>" ... "</PROGRAM>" blocks, each holding "<NAME>", "<VERSION>",
// "<LOCATION>" and "<BETA>" values in any order.
struct UpdateReply
{
    bool ok = false;        // false: the reply is unusable (error holds why)
    bool found = false;     // a block carried the expected name
    QString version;        // of the first matching block
    QString location;
    bool preRelease = false; // its "<BETA>" value is a non-zero integer
    QString error;
};

// Blocks are taken in order; the first whose name equals expectedName exactly
// wins. Values are trimmed of blanks and control characters. The matching
// block's "<BETA>" must be a decimal integer, and its location a single line
// (it is handed to the updater in a line-based file).
UpdateReply parseUpdateReply(const QString &reply, const QString &expectedName);

// The value between open and the first close after it within block, trimmed;
// empty when either tag is missing.
QString updateReplyValue(QStringView block, QStringView open, QStringView close);

} // namespace scribora::online
