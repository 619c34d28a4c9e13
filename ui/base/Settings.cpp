#include "ui/base/Settings.h"

#include "core/readings/TextCodec.h"
#include "core/web/ReminderRule.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"

std::string ReadSetting(Program& program, std::string_view key) {
    const QString stored =
        program.services.settings.read(program.applicationName, ToQString(parsiva::SettingsSection),
                                       ToQString(parsiva::EncodeText(key)));
    return parsiva::DecodeText(ToStdString(stored));
}

bool WriteSetting(Program& program, std::string_view key, std::string_view value) {
    return program.services.settings.write(
        program.applicationName, ToQString(parsiva::SettingsSection),
        ToQString(parsiva::EncodeText(key)), ToQString(parsiva::EncodeText(value)));
}
