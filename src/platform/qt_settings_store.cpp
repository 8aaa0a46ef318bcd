#include "platform/qt_settings_store.h"

#include <QSettings>
#include <QString>

namespace mv52 {
namespace {

QString keyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section + "/" + key);
}

}  // namespace

std::string QtSettingsStore::read(const std::string& section, const std::string& key,
                                  const std::string& fallback) const {
    QSettings settings("MV52", "MV52");
    return settings.value(keyOf(section, key), QString::fromStdString(fallback)).toString().toStdString();
}

void QtSettingsStore::write(const std::string& section, const std::string& key, const std::string& value) {
    QSettings settings("MV52", "MV52");
    settings.setValue(keyOf(section, key), QString::fromStdString(value));
}

}  // namespace mv52
