#include "bankbuilder/window/options_panel.h"

#include <QCheckBox>
#include <QPushButton>

#include "bankbuilder/build_state.h"
#include "bankbuilder/window/dialog_units.h"
#include "bankbuilder/window/tooltips.h"

const char* const TIP_MORE_INFO = "More info on selected format";
const char* const TIP_SMALL_HEADERS =
    "For streaming banks with many samples, use this option to save with minimal sample "
    "headers.  Only length is stored, so names are not accessible, and sample attributes are "
    "based on first sample (ie default frequency)";
const char* const TIP_REVERB_CORE0 =
    "Disable reverb for channels 0-23, and get 128k SRAM back for sound storage.";
const char* const TIP_REVERB_CORE1 =
    "Disable reverb for channels 24-47, and get 128k SRAM back for sound storage.";

PanelKind panel_kind(int platform, int format) {
    return platform == PLATFORM_PS2 && format == FORMAT_VAG ? PANEL_VAG : PANEL_GENERAL;
}

namespace {
QCheckBox* make_box(QWidget* parent, int id, const char* text, const QRect& place) {
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QString::number(id));
    box->setGeometry(place);
    return box;
}
} // namespace

OptionsPanel::OptionsPanel(PanelKind kind, QWidget* placeholder, Actions actions)
    : QWidget(placeholder), kind_(kind), actions_(std::move(actions)) {
    setObjectName(kind == PANEL_VAG ? QStringLiteral("vag_panel")
                                    : QStringLiteral("general_panel"));
    setFont(dialog_font());
    DialogUnits du(font());
    setGeometry(placeholder->rect());

    small_headers_ = make_box(this, 1013, "Small sample headers", du.rect(6, 3, 257, 10));
    small_headers_->setChecked(build_settings.basic_headers);
    connect(small_headers_, &QCheckBox::clicked, this,
            [](bool on) { build_settings.basic_headers = on; });
    if (kind == PANEL_VAG) {
        reverb0_ = make_box(this, 1012, "Reverb core 0", du.rect(6, 15, 61, 10));
        reverb1_ = make_box(this, 1014, "Reverb core 1", du.rect(6, 27, 61, 10));
        reverb0_->setChecked(build_settings.reverb_core0);
        reverb1_->setChecked(build_settings.reverb_core1);
        connect(reverb0_, &QCheckBox::clicked, this, [this](bool on) {
            build_settings.reverb_core0 = on;
            if (actions_.budget_changed) actions_.budget_changed();
        });
        connect(reverb1_, &QCheckBox::clicked, this, [this](bool on) {
            build_settings.reverb_core1 = on;
            if (actions_.budget_changed) actions_.budget_changed();
        });
    }
    help_ = new QPushButton(QStringLiteral("?"), this);
    help_->setObjectName(QStringLiteral("1041"));
    help_->setGeometry(du.rect(255, 27, 14, 14));
    help_->setAutoDefault(false);
    connect(help_, &QPushButton::clicked, this, [this] {
        if (actions_.help) actions_.help();
    });

    add_tooltip(this, 1041, QString::fromLatin1(TIP_MORE_INFO));
    if (kind == PANEL_VAG) {
        add_tooltip(this, 1012, QString::fromLatin1(TIP_REVERB_CORE0));
        add_tooltip(this, 1014, QString::fromLatin1(TIP_REVERB_CORE1));
    }
    add_tooltip(this, 1013, QString::fromLatin1(TIP_SMALL_HEADERS));
}

void OptionsPanel::enable(bool building) {
    small_headers_->setEnabled(!building);
    if (reverb0_) reverb0_->setEnabled(!building);
    if (reverb1_) reverb1_->setEnabled(!building);
}

void OptionsPanel::close_request() {
    remove_tooltip(this, 1041);
    remove_tooltip(this, 1012);
    remove_tooltip(this, 1014);
    remove_tooltip(this, 1013);
    hide();
    deleteLater();
}
