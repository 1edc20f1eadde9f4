#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QtEndian>

// Builds small Windows program images with a version resource, the way linkers
// lay them out: DOS stub header, PE header, one ".rsrc" section holding the
// resource directory (type 16, id 1, language 0x409) and the VS_VERSIONINFO tree.
struct PeImageBuilder
{
    QList<QPair<QString, QString>> strings;  // the string table's fields, in order
    QString tableName = QStringLiteral("040904b0");
    quint32 translation = 0x04B00409;        // language low, code page high
    bool withResource = true;
    bool pe32plus = false;

    static void put16(QByteArray &b, qsizetype at, quint16 v) { qToLittleEndian(v, b.data() + at); }
    static void put32(QByteArray &b, qsizetype at, quint32 v) { qToLittleEndian(v, b.data() + at); }
    static void pad4(QByteArray &b) { while (b.size() % 4) b.append('\0'); }

    static QByteArray utf16z(const QString &s)
    {
        QByteArray b;
        for (QChar c : s) {
            b.append(char(c.unicode() & 0xFF));
            b.append(char(c.unicode() >> 8));
        }
        b.append(2, '\0');
        return b;
    }

    // One block: wLength, wValueLength, wType, key, value, children.
    static QByteArray block(const QString &key, const QByteArray &value, quint16 valueLength,
                            quint16 type, const QList<QByteArray> &children = {})
    {
        QByteArray b(6, '\0');
        b += utf16z(key);
        pad4(b);
        b += value;
        for (const QByteArray &c : children) {
            pad4(b);
            b += c;
        }
        put16(b, 0, quint16(b.size()));
        put16(b, 2, valueLength);
        put16(b, 4, type);
        return b;
    }

    QByteArray versionInfo() const
    {
        QList<QByteArray> fields;
        for (const auto &f : strings)
            fields << block(f.first, utf16z(f.second), quint16(f.second.size() + 1), 1);
        const QByteArray table = block(tableName, {}, 0, 1, fields);
        const QByteArray stringInfo = block(QStringLiteral("StringFileInfo"), {}, 0, 1, {table});
        QByteArray pair(4, '\0');
        put32(pair, 0, translation);
        const QByteArray var = block(QStringLiteral("Translation"), pair, 4, 0);
        const QByteArray varInfo = block(QStringLiteral("VarFileInfo"), {}, 0, 1, {var});
        QByteArray fixed(52, '\0');
        put32(fixed, 0, 0xFEEF04BD);
        return block(QStringLiteral("VS_VERSION_INFO"), fixed, 52, 0, {stringInfo, varInfo});
    }

    QByteArray build() const
    {
        const quint16 optSize = pe32plus ? 240 : 224;
        const qsizetype opt = 0x40 + 4 + 20;
        const qsizetype sectionTable = opt + optSize;
        const qsizetype raw = 0x200;
        const quint32 rva = 0x1000;

        QByteArray rsrc;
        if (withResource) {
            rsrc = QByteArray(0x58, '\0');
            // root: one id entry, type 16 -> directory at 0x18
            put16(rsrc, 0x0E, 1);
            put32(rsrc, 0x10, 16);
            put32(rsrc, 0x14, 0x80000018);
            // names: id 1 -> directory at 0x30
            put16(rsrc, 0x18 + 0x0E, 1);
            put32(rsrc, 0x28, 1);
            put32(rsrc, 0x2C, 0x80000030);
            // languages: 0x409 -> data entry at 0x48
            put16(rsrc, 0x30 + 0x0E, 1);
            put32(rsrc, 0x40, 0x409);
            put32(rsrc, 0x44, 0x48);
            const QByteArray info = versionInfo();
            put32(rsrc, 0x48, rva + 0x58);
            put32(rsrc, 0x4C, quint32(info.size()));
            rsrc += info;
            pad4(rsrc);
        } else {
            rsrc = QByteArray(16, '\0');
        }

        QByteArray img(raw, '\0');
        img[0] = 'M';
        img[1] = 'Z';
        put32(img, 0x3C, 0x40);
        img.replace(0x40, 4, QByteArray("PE\0\0", 4));
        put16(img, 0x44, pe32plus ? 0x8664 : 0x14C);
        put16(img, 0x46, 1);
        put16(img, 0x54, optSize);
        put16(img, opt, pe32plus ? 0x20B : 0x10B);
        const qsizetype dirs = opt + (pe32plus ? 112 : 96);
        put32(img, dirs - 4, 16);
        if (withResource) {
            put32(img, dirs + 16, rva);
            put32(img, dirs + 20, quint32(rsrc.size()));
        }
        img.replace(sectionTable, 5, ".rsrc");
        put32(img, sectionTable + 8, quint32(rsrc.size()));
        put32(img, sectionTable + 12, rva);
        put32(img, sectionTable + 16, quint32(rsrc.size()));
        put32(img, sectionTable + 20, raw);
        return img + rsrc;
    }
};
