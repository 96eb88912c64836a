#include "mainwindow/ui/OptionsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/UiText.h"

namespace radioprog::ui {

namespace {

// A framed box with a caption and a list per row, the check boxes beside it.
constexpr int kCaptionWidth = 116;
constexpr int kComboWidth = 169;
constexpr int kCheckWidth = 160;

}  // namespace

OptionsPage::OptionsPage(GuiContext& context, QWidget* parent)
    : MainWindowPage(parent), context_(context) {
    auto* page = new QHBoxLayout(this);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("gbOptions"));
    auto* rows = new QGridLayout(frame);
    auto* checks = new QVBoxLayout();
    for (const OptionField& option : OptionFields()) {
        Editor editor{&option};
        const QString name = QString::fromLatin1(option.editorName);
        if (option.editor == OptionEditor::Switch) {
            editor.check = new QCheckBox(this);
            editor.check->setObjectName(name);
            editor.check->setMinimumWidth(kCheckWidth);
            checks->addWidget(editor.check);
            connect(editor.check, &QCheckBox::clicked, this,
                    [this, &option](bool checked) { Store(option, checked ? 1 : 0); });
        } else {
            editor.caption = new QLabel(frame);
            editor.caption->setObjectName(QString::fromLatin1(option.captionName));
            editor.caption->setMinimumWidth(kCaptionWidth);
            editor.list = new QComboBox(frame);
            editor.list->setObjectName(name);
            editor.list->setMinimumWidth(kComboWidth);
            const int row = rows->rowCount();
            rows->addWidget(editor.caption, row, 0);
            rows->addWidget(editor.list, row, 1);
            connect(editor.list, &QComboBox::activated, this,
                    [this, &option](int item) { Store(option, item); });
        }
        editors_.push_back(editor);
    }
    page->addWidget(frame, 0, Qt::AlignTop);
    checks->addStretch(1);
    page->addLayout(checks);
    page->addStretch(1);
}

void OptionsPage::FillEditor(const Editor& editor) {
    const OptionField& option = *editor.option;
    const auto& lang = context_.data.lang;
    const int item = OfferedItem(option, OptionValue(context_.data.image, option));
    if (editor.check != nullptr) {
        editor.check->setText(UiText(lang, option.caption));
        editor.check->setChecked(item == 1);
        return;
    }
    editor.caption->setText(UiText(lang, option.caption));
    QStringList items;
    for (int offered = 0; offered < option.offered.count; ++offered) {
        items.push_back(FromUtf8(OptionWord(lang, option, OfferedValue(option, offered))));
    }
    editor.list->clear();
    editor.list->addItems(items);
    editor.list->setCurrentIndex(item);
}

void OptionsPage::EnableDependentLists() {
    for (const Editor& editor : editors_) {
        if (editor.list != nullptr && editor.option->offeredWhileOn) {
            // The value is kept while its switch is off, only not offered.
            editor.list->setEnabled(
                SwitchIsOn(context_.data.image, *editor.option->offeredWhileOn));
        }
    }
}

void OptionsPage::RefreshFromModel() {
    for (const Editor& editor : editors_) {
        FillEditor(editor);
    }
    EnableDependentLists();
}

void OptionsPage::CommitPendingEdit() {}

void OptionsPage::Store(const OptionField& option, int item) {
    ProjectImage& image = context_.data.image;
    if (item < 0 || item >= option.offered.count) {
        return;
    }
    const unsigned value = OfferedValue(option, item);
    if (OptionValue(image, option) == value) {
        return;
    }
    SetOptionValue(image, option, value);
    EnableDependentLists();
    emit projectEdited();
}

}  // namespace radioprog::ui
