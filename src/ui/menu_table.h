// Building a window's menu bar from its menu table: menus, submenus, commands, exclusive choices and
// separators, each named and captioned as designed.
#pragma once

#include <QAction>
#include <QMenu>

#include <span>
#include <string_view>

#include "ui/form_layout.h"

class QMenuBar;

namespace tavrel::ui {

enum class MenuKind {
    Menu,       // a menu on the menu bar, or a submenu of its parent menu
    Item,       // a command
    RadioItem,  // one of the exclusive choices of its menu: checking it clears the others
    Separator,  // a line between groups of items
};

// One row of a window's menu table, in the order the entries appear.
struct MenuRow {
    std::string_view name;    // object name: the design name of the menu item
    std::string_view parent;  // the menu it belongs to; empty for a menu on the menu bar
    MenuKind kind;
    std::string_view caption;   // "&" marks the access key
    std::string_view shortcut;  // in the portable text form ("Ctrl+S"); empty for none
    unsigned state = kNormal;   // kDisabled greys the entry; kSelected checks a radio item
};

// Adds the menus of the table to the bar. A screen reader says each entry by its caption without the
// access-key mark and hears the access key and shortcut apart, so the captions need no names of their own.
void buildMenuBar(QMenuBar& bar, std::span<const MenuRow> table);

// A menu item or a menu of the window by its design name; the window's menu table guarantees it exists.
// A name not in the table is a programming error that stops the program, as for a control.
QAction& menuItem(const QWidget& window, std::string_view name);
QMenu& menuNamed(const QWidget& window, std::string_view name);

}  // namespace tavrel::ui
