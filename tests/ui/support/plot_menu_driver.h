#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace amp::test_support {

// Opens a plot's context menu as the Menu key does, by default, and chooses the entry; an entry
// the menu does not have closes it unchosen.
inline void ChooseFromMenu(
    QWidget* plot, const QString& entry,
    const std::function<void(QWidget*)>& open = [](QWidget* area) {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(100, 100),
                                area->mapToGlobal(QPoint(100, 100)));
        QCoreApplication::sendEvent(area, &event);
    }) {
    QTimer::singleShot(0, plot, [entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) menu->setActiveAction(action);
        }
        QTest::keyClick(menu, menu->activeAction() ? Qt::Key_Return : Qt::Key_Escape);
    });
    open(plot);
}

}  // namespace amp::test_support
