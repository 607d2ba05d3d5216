#pragma once

#include "app/core/ListView.h"
#include "app/core/frmHaupt.h"
#include "platform/ui/ScriptedUserInterface.h"

#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A shown main window on the offscreen platform, answering its dialogs from a
// script.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<fonkel::frmHaupt>(ui);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    fonkel::ListView& list() { return *window->lvNummern; }

    fonkel::ListItem* addCall(const QString& number, const QString& datum, const QString& ort,
                              const QString& kontakt,
                              const QString& tag = QStringLiteral("Unbekannt"), int icon = 2)
    {
        fonkel::ListItem* item = list().addEntry(number);
        item->setSubItem(1, datum);
        item->setSubItem(2, ort);
        item->setSubItem(3, kontakt);
        item->setTag(tag);
        item->setSmallIcon(icon);
        return item;
    }

    QStringList numbers() const
    {
        QStringList result;
        for (int i = 0; i < window->lvNummern->count(); ++i)
            result.append(window->lvNummern->entry(i)->text());
        return result;
    }

    QStringList headerIcons() const
    {
        QStringList result;
        for (int i = 0; i < window->lvNummern->columnCount(); ++i)
            result.append(window->lvNummern->headerIconKey(i));
        return result;
    }

    // A real click on a column header.
    void clickHeader(fonkel::ListView& view, int column)
    {
        QHeaderView* header = view.header();
        const QPoint centre(header->sectionViewportPosition(column) +
                                header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

    platform::ui::ScriptedUserInterface ui;
    std::unique_ptr<fonkel::frmHaupt> window;
};
