// The warnings window of one bank: the per-file problems in a list sorted without regard to
// case; OK or the close box hide it, which lets the build go on.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QListWidget;

class WarningsWindow : public QDialog {
  public:
    explicit WarningsWindow(QWidget* parent);

    // Inserts a line at its place in the sorted list.
    void add_line(const QString& line);
    QStringList lines() const;
    // Called whenever the window is hidden (OK, the close box or Escape).
    void on_hidden(std::function<void()> callback) { hidden_callback_ = std::move(callback); }

  protected:
    void hideEvent(QHideEvent* event) override;
    void done(int result) override;

  private:
    QListWidget* list_;
    std::function<void()> hidden_callback_;
};
