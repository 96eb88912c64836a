#pragma once
// What a person does in the import dialog, for stories that import a channel list.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"

namespace radioprog::testing {

// Clicks a tick box where a person would: on its box, not beside its text.
inline void Toggle(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

// Clicks Import; a dialog that stays open fails the story instead of waiting for ever.
inline void ClickImport(QDialog& dialog) {
    QTest::mouseClick(Find<QPushButton>(&dialog, "ImportBtn"), Qt::LeftButton);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "Import left the dialog open";
        dialog.reject();
    }
}

}  // namespace radioprog::testing
