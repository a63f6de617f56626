// The options panel over the placeholder of the main window: small sample headers and the help
// button for every format, and the two reverb cores for PlayStation 2 VAG.
#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QPushButton;

enum PanelKind { PANEL_GENERAL, PANEL_VAG };

// The panel that suits a platform and format.
PanelKind panel_kind(int platform, int format);

class OptionsPanel : public QWidget {
  public:
    struct Actions {
        std::function<void()> budget_changed; // a reverb core box changed
        std::function<void()> help;           // the "?" button
    };

    // Creates the panel over the whole client area of placeholder, its boxes set from the
    // settings.
    OptionsPanel(PanelKind kind, QWidget* placeholder, Actions actions);

    PanelKind kind() const { return kind_; }
    // Enabled while idle, disabled while building: the check boxes only.
    void enable(bool building);
    // The close request: removes the tooltips and ends the panel.
    void close_request();

  private:
    PanelKind kind_;
    Actions actions_;
    QCheckBox* small_headers_ = nullptr;
    QCheckBox* reverb0_ = nullptr;
    QCheckBox* reverb1_ = nullptr;
    QPushButton* help_ = nullptr;
};

extern const char* const TIP_MORE_INFO;
extern const char* const TIP_SMALL_HEADERS;
extern const char* const TIP_REVERB_CORE0;
extern const char* const TIP_REVERB_CORE1;
