#include "core/menu/FormTextReader.h"
#include "core/menu/FormTextWriter.h"

#include <gtest/gtest.h>

using namespace scribora::menu;

namespace {

// The text of a root object holding one property.
QByteArray writeOne(const FormValue &v)
{
    FormObject root;
    root.name = QStringLiteral("F");
    root.className = QStringLiteral("TF");
    root.properties.push_back({QStringLiteral("P"), v, 0});
    return FormTextWriter::write(root);
}

QByteArray wrap(const QByteArray &propertyLines)
{
    return "object F: TF\r\n" + propertyLines + "end\r\n";
}

} // namespace

TEST(FormTextWriter, ValuesAreWrittenInTheClassLibrarysLayout)
{
    const QString e233 = QStringLiteral("Caf") + QChar(233);
    const struct
    {
        FormValue value;
        QByteArray line;
    } cases[] = {
        {FormValue::fromInteger(-11), "  P = -11\r\n"},
        {FormValue::fromFloat(1.5), "  P = 1.5\r\n"},
        {FormValue::fromFloat(2), "  P = 2.0\r\n"},
        {FormValue::fromFloat(0.25, 's'), "  P = 0.25s\r\n"},
        {FormValue::fromFloat(12.5, 'c'), "  P = 12.5c\r\n"},
        {FormValue::fromIdentifier(QStringLiteral("clBtnFace")), "  P = clBtnFace\r\n"},
        {FormValue::fromString(QString()), "  P = ''\r\n"},
        {FormValue::fromString(QStringLiteral("it's")), "  P = 'it'#39's'\r\n"},
        {FormValue::fromString(e233), "  P = 'Caf'#233\r\n"},
        {FormValue::fromString(QStringLiteral("a\r\nb")), "  P = 'a'#13#10'b'\r\n"},
        {FormValue::fromString(QString(QChar(0x20AC))), "  P = #8364\r\n"},
        {FormValue::fromSet({}), "  P = []\r\n"},
        {FormValue::fromSet({QStringLiteral("fsBold"), QStringLiteral("fsItalic")}), "  P = [fsBold, fsItalic]\r\n"},
        {FormValue::fromBinary(QByteArray::fromHex("07544269746D6170")), "  P = {07544269746D6170}\r\n"},
        {FormValue::fromStrings({QStringLiteral("a"), QStringLiteral("b")}), "  P = (\r\n    'a'\r\n    'b')\r\n"},
        {FormValue::emptyList(), "  P = ()\r\n"},
        {FormValue::emptyCollection(), "  P = <>\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(writeOne(c.value), wrap(c.line)) << c.line.constData();
}

TEST(FormTextWriter, StringsLongerThan64CharactersAreCutIntoLines)
{
    EXPECT_EQ(writeOne(FormValue::fromString(QString(64, u'x'))), wrap("  P = '" + QByteArray(64, 'x') + "'\r\n"));
    EXPECT_EQ(writeOne(FormValue::fromString(QString(65, u'x'))),
              wrap("  P = \r\n    '" + QByteArray(64, 'x') + "' +\r\n    'x'\r\n"));
    // A code counts as one character of the line.
    const QString quotes = QString(63, u'a') + QStringLiteral("''b");
    EXPECT_EQ(writeOne(FormValue::fromString(quotes)),
              wrap("  P = \r\n    '" + QByteArray(63, 'a') + "'#39 +\r\n    #39'b'\r\n"));
    // A long string in a list continues at the item's level.
    FormValue list = FormValue::fromStrings({QString(70, u'y')});
    EXPECT_EQ(writeOne(list), wrap("  P = (\r\n    '" + QByteArray(64, 'y') + "' +\r\n    'yyyyyy')\r\n"));
}

TEST(FormTextWriter, BinaryDataRunsInLinesOf32Bytes)
{
    QByteArray hundred(100, '\0');
    for (int i = 0; i < 100; ++i)
        hundred[i] = char(i);
    const QByteArray hex = hundred.toHex().toUpper();
    EXPECT_EQ(writeOne(FormValue::fromBinary(hundred)),
              wrap("  P = {\r\n    " + hex.mid(0, 64) + "\r\n    " + hex.mid(64, 64) + "\r\n    " + hex.mid(128, 64)
                   + "\r\n    " + hex.mid(192) + "}\r\n"));
    const QByteArray twenty(20, '\xAB');
    EXPECT_EQ(writeOne(FormValue::fromBinary(twenty)), wrap("  P = {" + QByteArray(40, 'A').replace("AA", "AB") + "}\r\n"));
    EXPECT_EQ(writeOne(FormValue::fromBinary(QByteArray(32, '\x01'))),
              wrap("  P = {\r\n    " + QByteArray("01").repeated(32) + "}\r\n"));
}

TEST(FormTextWriter, BlocksNestWithTwoSpacesAndCollectionsCloseAfterEnd)
{
    FormObject root;
    root.name = QStringLiteral("F");
    root.className = QStringLiteral("TF");
    FormObject child;
    child.name = QStringLiteral("C");
    child.className = QStringLiteral("TC");
    child.index = 2;
    child.header = FormObject::Header::Inherited;
    FormValue coll = FormValue::emptyCollection();
    coll.collection.push_back({{QStringLiteral("Caption"), FormValue::fromString(QStringLiteral("x")), 0}});
    coll.collection.push_back({});
    child.properties.push_back({QStringLiteral("Items"), coll, 0});
    FormObject nameless;
    nameless.className = QStringLiteral("TN");
    child.children.push_back(nameless);
    root.children.push_back(child);
    EXPECT_EQ(FormTextWriter::write(root), QByteArray("object F: TF\r\n"
                                                      "  inherited C: TC [2]\r\n"
                                                      "    Items = <\r\n"
                                                      "      item\r\n"
                                                      "        Caption = 'x'\r\n"
                                                      "      end\r\n"
                                                      "      item\r\n"
                                                      "      end>\r\n"
                                                      "    object TN\r\n"
                                                      "    end\r\n"
                                                      "  end\r\n"
                                                      "end\r\n"));
    // And the reader takes all of it back.
    FormTextError err;
    auto back = FormTextReader::read(FormTextWriter::write(root), &err);
    ASSERT_TRUE(back) << qPrintable(err.toString());
    EXPECT_EQ(FormTextWriter::write(*back), FormTextWriter::write(root));
}
