#include "core/menu/TreeNodes.h"

#include "core/text/Ansi.h"

#include <QtEndian>

namespace scribora::menu {
namespace {

struct Cursor
{
    const QByteArray &data;
    qsizetype pos = 0;
    QString reason;

    bool take32(qint32 &v)
    {
        if (data.size() - pos < 4)
            return false;
        v = qFromLittleEndian<qint32>(data.constData() + pos);
        pos += 4;
        return true;
    }
};

bool readNode(Cursor &c, TreeNode &node, int depth)
{
    if (depth > TreeNodes::maxDepth) {
        c.reason = QStringLiteral("tree nodes nested too deeply");
        return false;
    }
    qint32 size = 0, data = 0, count = 0;
    if (!c.take32(size) || !c.take32(node.imageIndex) || !c.take32(node.selectedIndex)
        || !c.take32(node.stateIndex) || !c.take32(node.overlayIndex) || !c.take32(data)
        || !c.take32(count) || c.pos >= c.data.size()) {
        c.reason = QStringLiteral("tree node data is cut short");
        return false;
    }
    const int length = static_cast<unsigned char>(c.data[c.pos++]);
    if (size != 25 + length || c.data.size() - c.pos < length) {
        c.reason = QStringLiteral("tree node size does not match its text");
        return false;
    }
    node.text = text::fromAnsi(QByteArrayView(c.data.constData() + c.pos, length));
    c.pos += length;
    // Every child needs at least 29 bytes; a larger count cannot be true.
    if (count < 0 || qint64(count) * 29 > c.data.size() - c.pos) {
        c.reason = QStringLiteral("bad tree node child count");
        return false;
    }
    node.children.resize(size_t(count));
    for (TreeNode &child : node.children)
        if (!readNode(c, child, depth + 1))
            return false;
    return true;
}

void put32(QByteArray &out, qint32 v)
{
    char b[4];
    qToLittleEndian<qint32>(v, b);
    out.append(b, 4);
}

void writeNode(QByteArray &out, const TreeNode &node)
{
    QByteArray text = text::toAnsi(node.text).left(255);
    put32(out, 25 + qint32(text.size()));
    put32(out, node.imageIndex);
    put32(out, node.selectedIndex);
    put32(out, node.stateIndex);
    put32(out, node.overlayIndex);
    put32(out, 0);
    put32(out, qint32(node.children.size()));
    out.append(char(text.size()));
    out.append(text);
    for (const TreeNode &child : node.children)
        writeNode(out, child);
}

} // namespace

bool operator==(const TreeNode &a, const TreeNode &b)
{
    return a.text == b.text && a.imageIndex == b.imageIndex && a.selectedIndex == b.selectedIndex
        && a.stateIndex == b.stateIndex && a.overlayIndex == b.overlayIndex && a.children == b.children;
}

std::optional<std::vector<TreeNode>> TreeNodes::read(const QByteArray &data, QString *reason)
{
    std::vector<TreeNode> nodes;
    if (data.isEmpty())
        return nodes;
    Cursor c{data, 0, {}};
    qint32 count = 0;
    if (!c.take32(count) || count < 0 || qint64(count) * 29 > data.size() - 4) {
        if (reason)
            *reason = QStringLiteral("bad tree node count");
        return std::nullopt;
    }
    nodes.resize(size_t(count));
    for (TreeNode &n : nodes) {
        if (!readNode(c, n, 0)) {
            if (reason)
                *reason = c.reason;
            return std::nullopt;
        }
    }
    if (c.pos != data.size()) {
        if (reason)
            *reason = QStringLiteral("extra bytes after the tree nodes");
        return std::nullopt;
    }
    return nodes;
}

QByteArray TreeNodes::write(const std::vector<TreeNode> &nodes)
{
    QByteArray out;
    if (nodes.empty())
        return out;
    put32(out, qint32(nodes.size()));
    for (const TreeNode &n : nodes)
        writeNode(out, n);
    return out;
}

std::vector<TreeNode> TreeNodes::sampleNodes()
{
    TreeNode root;
    root.text = QStringLiteral("Category File List");
    TreeNode f1;
    f1.text = QStringLiteral("File 1");
    TreeNode f2;
    f2.text = QStringLiteral("File 2");
    root.children = {f1, f2};
    return {root};
}

} // namespace scribora::menu
