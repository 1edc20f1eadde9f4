#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace scribora::menu {

struct TreeNode
{
    QString text;
    qint32 imageIndex = 0;
    qint32 selectedIndex = 0;
    qint32 stateIndex = -1;
    qint32 overlayIndex = -1;
    std::vector<TreeNode> children;
};

bool operator==(const TreeNode &a, const TreeNode &b);

// A tree view's nodes in its item data ("Items.Data"): a 4-byte count of the
// top-level nodes, then every node in pre-order: a 4-byte size (25 + text
// length), ImageIndex, SelectedIndex, StateIndex, OverlayIndex, Data (0), the
// child count, then the text as a length byte and ANSI bytes. Little-endian.
class TreeNodes
{
public:
    static std::optional<std::vector<TreeNode>> read(const QByteArray &data, QString *reason = nullptr);
    // Empty for no nodes: the tree then writes no item data at all.
    static QByteArray write(const std::vector<TreeNode> &nodes);

    // The sample nodes a new category tree shows.
    static std::vector<TreeNode> sampleNodes();

    static constexpr int maxDepth = 100;
};

} // namespace scribora::menu
