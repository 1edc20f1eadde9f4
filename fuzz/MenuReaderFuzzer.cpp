// libFuzzer target: the form text reader and the design model must refuse bad
// input cleanly, and what they accept must write and read back unchanged.
#include "core/menu/FormTextReader.h"
#include "core/menu/FormTextWriter.h"
#include "core/menu/MenuDesign.h"

#include <cstdint>
#include <cstdlib>

using namespace scribora::menu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), qsizetype(size));

    FormTextError error;
    if (const auto obj = FormTextReader::read(text, &error)) {
        const QByteArray written = FormTextWriter::write(*obj);
        const auto again = FormTextReader::read(written);
        if (!again || FormTextWriter::write(*again) != written)
            abort();
    } else if (error.line < 1 || error.reason.isEmpty()) {
        abort();
    }

    MenuDesign design;
    if (design.loadFromText(text)) {
        const QByteArray written = design.toText();
        MenuDesign back;
        if (!back.loadFromText(written) || back.toText() != written)
            abort();
    } else if (design.error().isEmpty()) {
        abort();
    }
    return 0;
}
