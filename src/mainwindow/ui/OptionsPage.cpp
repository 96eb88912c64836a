#include "mainwindow/ui/OptionsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/UiText.h"
#include "lang/TextIds.h"
#include "model/ProjectFields.h"

namespace radioprog::ui {

namespace {

template <auto Field>
int GetField(const ProjectImage& image) {
    return image.Get(Field);
}

template <auto Field>
void SetField(ProjectImage& image, int value) {
    image.Set(Field, static_cast<decltype(image.Get(Field))>(value));
}

// "OFF" for 0, then the numbers of the list.
QStringList OffThenNumbers(const THaldenFuncs::TAppLang& lang, int count, int step) {
    QStringList items{UiText(lang, text::kOptionOff)};
    for (int i = 1; i < count; ++i) {
        items.push_back(QString::number(i * step));
    }
    return items;
}

}  // namespace

// One drop-down list of the page: its controls, its items and how an item maps to the field.
struct OptionList {
    const char* comboName;
    const char* captionName;
    TextId caption;
    int (*get)(const ProjectImage&);
    void (*set)(ProjectImage&, int);
    int count;
    int step;  // stored value = item × step + offset
    int offset;
    QStringList (*items)(const THaldenFuncs::TAppLang&);
    bool onlyWithBatterySave = false;  // offered only while the battery saver is on

    int ValueOf(int item) const { return item * step + offset; }
    // -1 for a value that no item gives (a foreign file or radio): no selection is shown.
    int ItemOf(int value) const {
        const int fromFirst = value - offset;
        if (fromFirst < 0 || fromFirst % step != 0 || fromFirst / step >= count) {
            return -1;
        }
        return fromFirst / step;
    }
};

namespace {

const OptionList kOptionLists[] = {
    {"cbSQL", "sSQL", 44, GetField<settings::Sql>, SetField<settings::Sql>, 10, 1, 0,
     [](const THaldenFuncs::TAppLang&) {
         QStringList items;
         for (int level = 0; level < 10; ++level) {
             items.push_back(QString::number(level));
         }
         return items;
     }},
    {"cbTOT", "sTOT", 48, GetField<settings::Tot>, SetField<settings::Tot>, 41, 15, 0,
     [](const THaldenFuncs::TAppLang& lang) { return OffThenNumbers(lang, 41, 15); }},
    {"cbTOA", "sTOA", 49, GetField<settings::Toa>, SetField<settings::Toa>, 11, 1, 0,
     [](const THaldenFuncs::TAppLang& lang) { return OffThenNumbers(lang, 11, 1); }},
    {"cbVoice", "sVoice", 213, GetField<settings::Voice>, SetField<settings::Voice>, 3, 1, 0,
     [](const THaldenFuncs::TAppLang& lang) {
         return QStringList{UiText(lang, text::kOptionOff), UiText(lang, text::kChinese),
                            UiText(lang, text::kEnglish)};
     }},
    {"cbSaving_Rate", "sSaving_Rate", 250, GetField<settings::SavingRate>,
     SetField<settings::SavingRate>, 10, 1, 1,
     [](const THaldenFuncs::TAppLang&) {
         QStringList items;
         for (int n = 1; n <= 10; ++n) {
             items.push_back(QStringLiteral("1:%1").arg(n));
         }
         return items;
     },
     true},
};

// A framed box with a caption and a list per row, the check boxes beside it.
constexpr int kCaptionWidth = 116;
constexpr int kComboWidth = 169;
constexpr int kCheckWidth = 160;

}  // namespace

OptionsPage::OptionsPage(GuiContext& context, QWidget* parent)
    : MainWindowPage(parent),
      context_(context),
      beep_(new QCheckBox(this)),
      saving_(new QCheckBox(this)) {
    auto* page = new QHBoxLayout(this);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("gbOptions"));
    auto* rows = new QGridLayout(frame);
    for (const OptionList& list : kOptionLists) {
        auto* caption = new QLabel(frame);
        caption->setObjectName(QString::fromLatin1(list.captionName));
        caption->setMinimumWidth(kCaptionWidth);
        auto* combo = new QComboBox(frame);
        combo->setObjectName(QString::fromLatin1(list.comboName));
        combo->setMinimumWidth(kComboWidth);
        const int row = rows->rowCount();
        rows->addWidget(caption, row, 0);
        rows->addWidget(combo, row, 1);
        const OptionList* stored = &list;
        connect(combo, &QComboBox::activated, this,
                [this, stored](int item) { StoreChoice(*stored, item); });
        lists_.push_back({&list, caption, combo});
        if (list.onlyWithBatterySave) {
            savingRate_ = combo;
        }
    }
    page->addWidget(frame, 0, Qt::AlignTop);

    auto* checks = new QVBoxLayout();
    beep_->setObjectName(QStringLiteral("cBeep"));
    saving_->setObjectName(QStringLiteral("cSaving"));
    for (QCheckBox* check : {beep_, saving_}) {
        check->setMinimumWidth(kCheckWidth);
        checks->addWidget(check);
    }
    checks->addStretch(1);
    page->addLayout(checks);
    page->addStretch(1);
    connect(beep_, &QCheckBox::clicked, this,
            [this](bool checked) { StoreCheck(settings::Beep, checked); });
    connect(saving_, &QCheckBox::clicked, this, [this](bool checked) {
        // The ratio is kept while the saver is off, only not offered.
        savingRate_->setEnabled(checked);
        StoreCheck(settings::Saving, checked);
    });
}

void OptionsPage::FillList(const ListControl& control) {
    const OptionList& list = *control.list;
    control.caption->setText(UiText(context_.data.lang, list.caption));
    control.combo->clear();
    control.combo->addItems(list.items(context_.data.lang));
    control.combo->setCurrentIndex(list.ItemOf(list.get(context_.data.image)));
}

void OptionsPage::RefreshFromModel() {
    const auto& lang = context_.data.lang;
    const ProjectImage& image = context_.data.image;
    for (const ListControl& control : lists_) {
        FillList(control);
    }
    beep_->setText(UiText(lang, text::kKeyBeep));
    saving_->setText(UiText(lang, text::kBatterySave));
    beep_->setChecked(image.Get(settings::Beep) == 1);
    saving_->setChecked(image.Get(settings::Saving) == 1);
    savingRate_->setEnabled(image.Get(settings::Saving) == 1);
}

void OptionsPage::CommitPendingEdit() {}

void OptionsPage::StoreChoice(const OptionList& list, int item) {
    ProjectImage& image = context_.data.image;
    if (item < 0 || item >= list.count || list.get(image) == list.ValueOf(item)) {
        return;
    }
    list.set(image, list.ValueOf(item));
    emit projectEdited();
}

void OptionsPage::StoreCheck(U8Field field, bool checked) {
    ProjectImage& image = context_.data.image;
    const uint8_t value = checked ? 1 : 0;
    if (image.Get(field) == value) {
        return;
    }
    image.Set(field, value);
    emit projectEdited();
}

}  // namespace radioprog::ui
