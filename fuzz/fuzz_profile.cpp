// A profile file as it may come from another installation, an editor or a
// broken disk. Reading it must not crash, and what was read must survive
// being saved and read again unchanged (a loaded profile loses nothing when
// it is saved).
#include <cstdint>
#include <cstdlib>

#include "profiles/profileformat.h"

namespace {

// Widgets of every kind, with the report destinations whose values keep
// their colons.
const QList<WidgetRef> &widgets()
{
    static const QList<WidgetRef> list = [] {
        QList<WidgetRef> w;
        for (const char *name : {"lineEdit_keywd", "lineEdit_access", "lineEdit_apn_internet",
                 "lineEdit_rpt_to_1", "lineEdit_rpt_to_5", "lineEdit_call_id1"})
            w.append({QLatin1String(name), WidgetKind::LineEdit});
        for (const char *name : {"checkBox_voicePrompt_1", "checkBox_voicePrompt_4"})
            w.append({QLatin1String(name), WidgetKind::CheckBox});
        for (const char *name : {"comboBox_gudt_normal", "comboBox_rpt_type_1", "comboBox_sleep"})
            w.append({QLatin1String(name), WidgetKind::ComboBox});
        for (const char *name : {"radioButton_rpt_group_1_1", "radioButton_rpt_group_1_2"})
            w.append({QLatin1String(name), WidgetKind::RadioButton});
        return w;
    }();
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), int(size));
    const FormValues loaded = ProfileFormat::read(file, widgets());
    if (loaded.size() != widgets().size())
        std::abort(); // every widget gets a value
    const FormValues again
        = ProfileFormat::read(ProfileFormat::write(widgets(), loaded), widgets());
    if (again != loaded)
        std::abort();
    return 0;
}
