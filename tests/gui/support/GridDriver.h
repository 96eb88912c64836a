#pragma once
// Drives the channel grid as a person does: clicks on cells, keys on the grid and into the
// editor laid over a cell.

#include <QCoreApplication>
#include <QTableView>

#include "GuiTestSupport.h"

namespace radioprog::testing {

namespace grid_columns {
enum GridCol { kRx, kTx, kRxTone, kTxTone, kPower, kBandwidth, kBusy };
}  // namespace grid_columns
using namespace grid_columns;

class GridDriver {
  public:
    explicit GridDriver(QTableView* grid) : grid_(grid) {}

    QModelIndex Cell(int row, int column) const { return grid_->model()->index(row, column); }
    QString Text(int row, int column) const { return Cell(row, column).data().toString(); }
    QStringList RowTexts(int row) const {
        QStringList texts;
        for (int column = kRx; column <= kBusy; ++column) {
            texts << Text(row, column);
        }
        return texts;
    }

    // The editor laid over a cell, or null when none is open.
    QWidget* OpenEditor() const {
        for (QWidget* child :
             grid_->viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isHidden() && !child->isWindow()) {  // a hover hint is a window
                return child;
            }
        }
        return nullptr;
    }
    template <typename Editor>
    Editor* OpenEditorNamed(const char* name) const {
        QWidget* editor = OpenEditor();
        EXPECT_NE(editor, nullptr) << "no editor open, expected " << name;
        if (editor == nullptr) {
            return nullptr;
        }
        EXPECT_EQ(editor->objectName(), name);
        return qobject_cast<Editor*>(editor);
    }

    void Click(int row, int column) {
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {},
                          grid_->visualRect(Cell(row, column)).center());
    }

    // The first key goes to the grid and opens the editor (a frequency or tone cell takes it
    // as the first character); the rest go into the editor.
    void TypeInto(int row, int column, const QString& text) {
        grid_->setCurrentIndex(Cell(row, column));
        QTest::keyClick(grid_, text.at(0).toLatin1());
        QWidget* editor = OpenEditor();
        ASSERT_NE(editor, nullptr) << "no editor opened on " << row << "," << column;
        const bool keyTaken = column <= kTxTone;
        QTest::keyClicks(editor, keyTaken ? text.mid(1) : text);
    }
    // A key for the open editor; Enter and Tab end an edit through the event loop.
    void Press(Qt::Key key) {
        QWidget* editor = OpenEditor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, key);
        QCoreApplication::processEvents();
    }
    void Enter(int row, int column, const QString& text) {
        TypeInto(row, column, text);
        Press(Qt::Key_Return);
    }
    // Opens a list cell and moves its choice with key (Home/End/Up/Down).
    void Choose(int row, int column, Qt::Key key) {
        Click(row, column);
        Press(key);
        Press(Qt::Key_Return);
    }

  private:
    QTableView* grid_;
};

}  // namespace radioprog::testing
