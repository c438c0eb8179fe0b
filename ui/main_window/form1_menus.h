#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>
#include <span>
#include <string_view>

namespace amp::ui {

class MainWindow;

// The menus of Form1's menu bar, in their order on the bar.
enum class Form1Menu { File, Edit, Tools, Help };

enum class MenuItemKind {
    Command,  // runs a slot of the window
    Separator,
    RecentFiles,  // the submenu of the designs opened last
    Undo,         // "Annulla ..." and "Ripeti ...", named after the step they take back or again
    Redo,
};

// The shortcut of a menu item: the platform's standard key, and the usual key for desktops whose
// platform gives that standard key none (outside GNOME and KDE, "Salva con nome..." and "Esci").
struct MenuShortcut {
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
    QKeyCombination usual = {};
};

// The keys a shortcut answers on this platform: the standard ones, or else the usual one.
QList<QKeySequence> ShortcutKeys(const MenuShortcut& shortcut);

// One item of a menu: its text with the mnemonic, its shortcut and the slot it runs. Adding an item
// to the bar is one row of the table.
struct Form1MenuItem {
    Form1Menu menu;
    MenuItemKind kind;
    std::string_view text = {};
    MenuShortcut shortcut = {};
    void (MainWindow::*slot)() = nullptr;
};

// The title of a menu on the bar, with its mnemonic.
std::string_view MenuTitle(Form1Menu menu);

// Every item of Form1's menus, in their order within each menu.
std::span<const Form1MenuItem> Form1MenuItems();

}  // namespace amp::ui
