// Builds a window's menu bar from its menu table.
#include "ui/menu_table.h"

#include <QActionGroup>
#include <QMenuBar>

#include <map>

namespace tavrel::ui {

namespace {

template <typename Object>
Object& namedChild(const QWidget& window, std::string_view name) {
    auto* object = window.findChild<Object*>(toQString(name));
    if (object == nullptr) {
        qFatal("menu entry \"%.*s\" is not on window \"%s\"", static_cast<int>(name.size()), name.data(),
               qPrintable(window.objectName()));
    }
    return *object;
}

// The entry of one row, added to its menu or, for a menu without a parent, to the bar; a new menu is
// remembered so that the rows after it can be added to it.
QAction& addEntry(QMenuBar& bar, const MenuRow& row, std::map<std::string_view, QMenu*>& menus) {
    QMenu* parent = row.parent.empty() ? nullptr : menus.at(row.parent);
    const QString caption = toQString(row.caption);
    switch (row.kind) {
        case MenuKind::Menu: {
            QMenu* menu = parent ? parent->addMenu(caption) : bar.addMenu(caption);
            menu->setObjectName(toQString(row.name));
            menus[row.name] = menu;
            return *menu->menuAction();
        }
        case MenuKind::Separator:
            return *parent->addSeparator();
        case MenuKind::Item:
        case MenuKind::RadioItem:
            break;
    }
    return *parent->addAction(caption);
}

}  // namespace

void buildMenuBar(QMenuBar& bar, std::span<const MenuRow> table) {
    std::map<std::string_view, QMenu*> menus;
    std::map<std::string_view, QActionGroup*> choices;  // the exclusive group of each menu's radio items
    for (const MenuRow& row : table) {
        QAction& action = addEntry(bar, row, menus);
        if (row.kind != MenuKind::Menu) {
            action.setObjectName(toQString(row.name));
        }
        if (row.kind == MenuKind::RadioItem) {
            QActionGroup*& group = choices[row.parent];
            if (group == nullptr) {
                group = new QActionGroup(menus.at(row.parent));  // exclusive by default
            }
            action.setCheckable(true);
            action.setChecked((row.state & kSelected) != 0);
            group->addAction(&action);
        }
        action.setShortcut(QKeySequence::fromString(toQString(row.shortcut), QKeySequence::PortableText));
        action.setEnabled((row.state & kDisabled) == 0);
    }
}

QAction& menuItem(const QWidget& window, std::string_view name) {
    return namedChild<QAction>(window, name);
}

QMenu& menuNamed(const QWidget& window, std::string_view name) {
    return namedChild<QMenu>(window, name);
}

}  // namespace tavrel::ui
