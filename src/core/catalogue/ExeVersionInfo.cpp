#include "core/catalogue/ExeVersionInfo.h"

#include <QFile>

#include <optional>

namespace scribora::catalogue {

namespace {

// Bounds-checked little-endian reads over an untrusted image: every read either
// stays inside the bytes or fails, so a truncated or hostile file cannot crash us.
class Bytes
{
public:
    explicit Bytes(QByteArrayView data) : m_data(data) {}

    qsizetype size() const { return m_data.size(); }
    bool has(quint64 offset, quint64 length) const
    {
        const auto n = quint64(m_data.size());
        return offset <= n && length <= n - offset;
    }
    std::optional<quint16> u16(quint64 offset) const
    {
        if (!has(offset, 2))
            return std::nullopt;
        const auto *p = reinterpret_cast<const uchar *>(m_data.data()) + offset;
        return quint16(p[0] | (p[1] << 8));
    }
    std::optional<quint32> u32(quint64 offset) const
    {
        if (!has(offset, 4))
            return std::nullopt;
        const auto *p = reinterpret_cast<const uchar *>(m_data.data()) + offset;
        return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
    }
    // UTF-16 text from offset up to its terminating zero, not past end.
    std::optional<QString> utf16z(quint64 offset, quint64 end, quint64 *after) const
    {
        end = qMin(end, quint64(m_data.size()));
        QString text;
        for (quint64 at = offset; at + 2 <= end; at += 2) {
            const quint16 c = *u16(at);
            if (c == 0) {
                *after = at + 2;
                return text;
            }
            text.append(QChar(c));
        }
        return std::nullopt;
    }
    QByteArrayView slice(quint64 offset, quint64 length) const
    {
        return m_data.sliced(qsizetype(offset), qsizetype(length));
    }

private:
    QByteArrayView m_data;
};

quint64 align4(quint64 v) { return (v + 3) & ~quint64(3); }

// File offset of the version resource's data, found through the resource
// directory (type 16 = RT_VERSION, then the first name, then the first language).
std::optional<QByteArrayView> versionResource(const Bytes &img)
{
    if (img.u16(0) != quint16(0x5A4D)) // "MZ"
        return std::nullopt;
    const auto peOffset = img.u32(0x3C);
    if (!peOffset || img.u32(*peOffset) != quint32(0x00004550)) // "PE\0\0"
        return std::nullopt;
    const quint64 coff = quint64(*peOffset) + 4;
    const auto sections = img.u16(coff + 2);
    const auto optionalSize = img.u16(coff + 16);
    if (!sections || !optionalSize)
        return std::nullopt;
    const quint64 opt = coff + 20;
    const auto magic = img.u16(opt);
    quint64 dirCountAt = 0;
    if (magic == quint16(0x10B))
        dirCountAt = opt + 92;
    else if (magic == quint16(0x20B))
        dirCountAt = opt + 108;
    else
        return std::nullopt;
    const auto dirCount = img.u32(dirCountAt);
    if (!dirCount || *dirCount < 3 || dirCountAt + 4 + 3 * 8 > opt + *optionalSize)
        return std::nullopt;
    const auto resourceRva = img.u32(dirCountAt + 4 + 2 * 8);
    if (!resourceRva || *resourceRva == 0)
        return std::nullopt;

    const quint64 sectionTable = opt + *optionalSize;
    auto rvaToOffset = [&](quint32 rva) -> std::optional<quint64> {
        for (quint32 i = 0; i < *sections; ++i) {
            const quint64 s = sectionTable + quint64(i) * 40;
            const auto vsize = img.u32(s + 8), vaddr = img.u32(s + 12), rawSize = img.u32(s + 16),
                       rawPtr = img.u32(s + 20);
            if (!vsize || !vaddr || !rawSize || !rawPtr)
                return std::nullopt;
            const quint64 span = qMax(*vsize, *rawSize);
            if (rva >= *vaddr && quint64(rva) < quint64(*vaddr) + span) {
                const quint64 delta = rva - *vaddr;
                if (delta >= *rawSize)
                    return std::nullopt; // not backed by file bytes
                return quint64(*rawPtr) + delta;
            }
        }
        return std::nullopt;
    };

    const auto root = rvaToOffset(*resourceRva);
    if (!root)
        return std::nullopt;

    // Entry of a resource directory: by id when wanted >= 0, else the first one.
    auto findEntry = [&](quint64 dir, int wanted) -> std::optional<quint32> {
        const auto named = img.u16(dir + 12), ids = img.u16(dir + 14);
        if (!named || !ids)
            return std::nullopt;
        const quint32 count = quint32(*named) + *ids;
        for (quint32 i = 0; i < count; ++i) {
            const quint64 e = dir + 16 + quint64(i) * 8;
            const auto nameOrId = img.u32(e), target = img.u32(e + 4);
            if (!nameOrId || !target)
                return std::nullopt;
            if (wanted < 0 || (!(*nameOrId & 0x80000000u) && *nameOrId == quint32(wanted)))
                return *target;
        }
        return std::nullopt;
    };

    quint64 dir = *root;
    for (int level = 0; level < 3; ++level) {
        const auto target = findEntry(dir, level == 0 ? 16 : -1);
        if (!target)
            return std::nullopt;
        const quint64 next = *root + (*target & 0x7FFFFFFFu);
        if (level < 2) {
            if (!(*target & 0x80000000u))
                return std::nullopt; // a leaf where a directory belongs
            dir = next;
        } else {
            if (*target & 0x80000000u)
                return std::nullopt;
            const auto dataRva = img.u32(next), dataSize = img.u32(next + 4);
            if (!dataRva || !dataSize)
                return std::nullopt;
            const auto at = rvaToOffset(*dataRva);
            if (!at || !img.has(*at, *dataSize))
                return std::nullopt;
            return img.slice(*at, *dataSize);
        }
    }
    return std::nullopt;
}

// One block of the version information tree: wLength, wValueLength, wType, key,
// value, children, each aligned to four bytes.
struct Block
{
    quint64 start = 0, end = 0;
    quint16 valueLength = 0, type = 0;
    QString key;
    quint64 value = 0;     // offset of the value
    quint64 children = 0;  // offset of the first child
};

std::optional<Block> readBlock(const Bytes &b, quint64 at, quint64 limit)
{
    const auto length = b.u16(at), valueLength = b.u16(at + 2), type = b.u16(at + 4);
    if (!length || !valueLength || !type || *length < 6 || at + *length > limit)
        return std::nullopt;
    Block block;
    block.start = at;
    block.end = at + *length;
    block.valueLength = *valueLength;
    block.type = *type;
    quint64 afterKey = 0;
    const auto key = b.utf16z(at + 6, block.end, &afterKey);
    if (!key)
        return std::nullopt;
    block.key = *key;
    block.value = align4(afterKey);
    // Text values count UTF-16 units, binary ones bytes.
    const quint64 valueBytes = *type == 1 ? quint64(*valueLength) * 2 : *valueLength;
    block.children = qMin(align4(block.value + valueBytes), block.end);
    if (block.value > block.end)
        block.value = block.end;
    return block;
}

// The child of parent whose key is key (compared without case), if any.
std::optional<Block> child(const Bytes &b, const Block &parent, const QString &key)
{
    quint64 at = parent.children;
    while (at + 6 <= parent.end) {
        const auto block = readBlock(b, at, parent.end);
        if (!block)
            return std::nullopt;
        if (block->key.compare(key, Qt::CaseInsensitive) == 0)
            return block;
        at = align4(block->end);
    }
    return std::nullopt;
}

} // namespace

QString ExeVersionInfo::versionField(QByteArrayView image, const QString &name)
{
    const Bytes img(image);
    const auto resource = versionResource(img);
    if (!resource)
        return {};
    const Bytes info(*resource);
    const auto root = readBlock(info, 0, quint64(info.size()));
    if (!root || root->key != QLatin1String("VS_VERSION_INFO"))
        return {};

    const auto varInfo = child(info, *root, QStringLiteral("VarFileInfo"));
    if (!varInfo)
        return {};
    const auto translation = child(info, *varInfo, QStringLiteral("Translation"));
    if (!translation || translation->valueLength < 4)
        return {};
    const auto pair = info.u32(translation->value);
    if (!pair || translation->value + 4 > translation->end)
        return {};
    // Language in the low half, code page in the high half; the table is named
    // language first.
    const quint32 swapped = (*pair << 16) | (*pair >> 16);
    const QString table = QStringLiteral("%1").arg(swapped, 8, 16, QLatin1Char('0'));

    const auto strings = child(info, *root, QStringLiteral("StringFileInfo"));
    if (!strings)
        return {};
    const auto stringTable = child(info, *strings, table);
    if (!stringTable)
        return {};
    const auto field = child(info, *stringTable, name);
    if (!field || field->valueLength == 0)
        return {};
    // Read to the terminating zero or the end of the block, whatever the
    // recorded value length says (writers disagree on whether it counts the zero).
    QString value;
    for (quint64 at = field->value; at + 2 <= field->end; at += 2) {
        const quint16 c = *info.u16(at);
        if (c == 0)
            break;
        value.append(QChar(c));
    }
    return value.left(259).trimmed();
}

QString ExeVersionInfo::GetFileVersionField(const QString &name) const
{
    if (m_exeName.isEmpty())
        return {};
    QFile file(m_exeName);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0)
        return {};
    if (const uchar *mapped = file.map(0, file.size()))
        return versionField(QByteArrayView(reinterpret_cast<const char *>(mapped), file.size()), name);
    return versionField(file.readAll(), name);
}

QString ExeVersionInfo::GetCompanyName() const { return GetFileVersionField(QStringLiteral("CompanyName")); }
QString ExeVersionInfo::GetFileDescription() const { return GetFileVersionField(QStringLiteral("FileDescription")); }
QString ExeVersionInfo::GetFileVersion() const { return GetFileVersionField(QStringLiteral("FileVersion")); }
QString ExeVersionInfo::GetInternalName() const { return GetFileVersionField(QStringLiteral("InternalName")); }
QString ExeVersionInfo::GetLegalCopyright() const { return GetFileVersionField(QStringLiteral("LegalCopyright")); }
QString ExeVersionInfo::GetLegalTrademarks() const { return GetFileVersionField(QStringLiteral("LegalTrademarks")); }
QString ExeVersionInfo::GetOriginalFilename() const { return GetFileVersionField(QStringLiteral("OriginalFilename")); }
QString ExeVersionInfo::GetProductName() const { return GetFileVersionField(QStringLiteral("ProductName")); }
QString ExeVersionInfo::GetProductVersion() const { return GetFileVersionField(QStringLiteral("ProductVersion")); }
QString ExeVersionInfo::GetComments() const { return GetFileVersionField(QStringLiteral("Comments")); }

QString ExeVersionInfo::versionPart(int index) const
{
    const QStringList parts = GetFileVersion().split(QLatin1Char('.'));
    return index < parts.size() ? parts.at(index) : QString();
}

QString ExeVersionInfo::GetMajorVersion() const { return versionPart(0); }
QString ExeVersionInfo::GetMinorVersion() const { return versionPart(1); }
QString ExeVersionInfo::GetRelease() const { return versionPart(2); }
QString ExeVersionInfo::GetBuild() const { return versionPart(3); }

} // namespace scribora::catalogue
