// The on/off settings that a command toggles, one row each: the command (also
// its menu item), the setting, whether a toolbar check button with the
// command's id shows it, and the one operation that applies it. The commands,
// the menus' check marks and the toolbar's check buttons all walk this table.
#pragma once

#include <windows.h>
#include <stdint.h>

#include <stddef.h>

#include "resources/resource.h"
#include "settings/Settings.h"

class ToolbarBand;

class MainWindow;

// A flag of the settings, stored as a byte or as a 32-bit word.
class SwitchSetting {
public:
    constexpr SwitchSetting(uint8_t Settings::*byte) : byte_(byte), word_(nullptr) {}
    constexpr SwitchSetting(uint32_t Settings::*word) : byte_(nullptr), word_(word) {}
    bool On(const Settings& settings) const { return byte_ ? settings.*byte_ != 0 : settings.*word_ != 0; }
    // 1 when it was 0, and 0 otherwise.
    void Flip(Settings& settings) const {
        if (byte_) {
            settings.*byte_ = settings.*byte_ ? 0 : 1;
        } else {
            settings.*word_ = settings.*word_ ? 0 : 1;
        }
    }

private:
    uint8_t Settings::*byte_;
    uint32_t Settings::*word_;
};

struct Switch {
    WORD command;
    SwitchSetting setting;
    bool toolbarButton;
    void (MainWindow::*apply)();
};

// The switch a command toggles; null for a command that toggles none.
const Switch* FindSwitch(WORD command);

// Every row, in table order.
extern const Switch kSwitches[];
extern const size_t kSwitchCount;

// The toolbar's check buttons as the settings say: the one of a command, or all.
void ShowSwitchButton(ToolbarBand& band, WORD command);
void ShowSwitchButtons(ToolbarBand& band);
