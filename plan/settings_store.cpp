#include "plan/settings_store.h"

#include <vector>

namespace jubilo {

void SettingsStore::writeAll(const QString& app, const QString& section, std::span<const ValueWrite> values)
{
    // No typed text is a lone noncharacter, so this tells "absent" from "".
    static const QString absent(QChar(0xFFFF));
    std::vector<std::pair<QString, QString>> written;
    try {
        for (const ValueWrite& value : values) {
            QString before = read(app, section, value.key, absent);
            write(app, section, value.key, value.text());
            written.emplace_back(value.key, std::move(before));
        }
    } catch (...) {
        for (auto it = written.rbegin(); it != written.rend(); ++it) {
            try {
                if (it->second != absent)
                    write(app, section, it->first, it->second);
            } catch (...) {
                // The first failure is the one to report.
            }
        }
        throw;
    }
}

}  // namespace jubilo
