#include "bankbuilder/settings_store.h"

#include <QSettings>
#include <QString>

namespace {
constexpr const char* ORGANIZATION = "Zelvo Sample Bank Builder";
constexpr const char* APPLICATION = "wavecrate";
constexpr const char* GROUP = "Settings";

int32_t read_int(QSettings& s, const char* key, int32_t fallback) {
    QVariant v = s.value(key);
    bool ok = false;
    int value = v.toInt(&ok);
    return v.isValid() && ok ? value : fallback;
}
} // namespace

void load_settings(BuildSettings& settings) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, ORGANIZATION, APPLICATION);
    if (!s.childGroups().contains(GROUP)) return;
    s.beginGroup(GROUP);
    if (s.contains("srcdir")) settings.source_path = s.value("srcdir").toString().toStdString();
    if (s.contains("destname")) settings.dest_path = s.value("destname").toString().toStdString();
    // A mode outside the three known ones would leave no menu item checked.
    int32_t mode = read_int(s, "buildmode", settings.build_mode);
    if (mode >= BUILD_SINGLE && mode <= BUILD_INTERLEAVED) settings.build_mode = mode;
    if (read_int(s, "builddir", 0) != 0) settings.rebuild_tree = true;
    if (read_int(s, "openfilelist", 0) != 0) settings.use_file_list = true;
    settings.platform = read_int(s, "platform", 0);
    settings.format = read_int(s, "format", 0);
    settings.basic_headers = read_int(s, "basicheaders", 0) != 0;
    s.endGroup();
}

void save_settings(const BuildSettings& settings) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, ORGANIZATION, APPLICATION);
    s.beginGroup(GROUP);
    s.setValue("srcdir", QString::fromStdString(settings.source_path));
    s.setValue("destname", QString::fromStdString(settings.dest_path));
    s.setValue("buildmode", settings.build_mode);
    s.setValue("builddir", settings.rebuild_tree ? 1 : 0);
    s.setValue("openfilelist", settings.use_file_list ? 1 : 0);
    s.setValue("platform", settings.platform);
    s.setValue("format", settings.format);
    s.setValue("basicheaders", settings.basic_headers ? 1 : 0);
    s.endGroup();
    s.sync();
}
