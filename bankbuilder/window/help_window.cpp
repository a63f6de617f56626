#include "bankbuilder/window/help_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("help_window"));
    setWindowTitle(QStringLiteral("Wavecrate Help"));
    auto* layout = new QHBoxLayout(this);
    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("contents"));
    contents_->setMaximumWidth(190);
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("topic"));
    text_->setOpenLinks(false);
    layout->addWidget(contents_);
    layout->addWidget(text_, 1);
    resize(640, 420);
    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) { show_topic(row); });
}

bool HelpWindow::open(const QString& help_file, int context) {
    std::vector<HelpTopic> topics;
    if (!load_help_file(help_file.toStdString(), topics)) return false;
    topics_ = std::move(topics);
    contents_->blockSignals(true);
    contents_->clear();
    int row = 0;
    for (size_t i = 0; i < topics_.size(); ++i) {
        contents_->addItem(QString::fromStdString(topics_[i].title));
        if (topics_[i].context == context) row = int(i);
    }
    contents_->blockSignals(false);
    if (!topics_.empty()) contents_->setCurrentRow(row);
    show_topic(topics_.empty() ? -1 : row);
    return true;
}

int HelpWindow::current_context() const {
    int row = contents_->currentRow();
    return row >= 0 && row < int(topics_.size()) ? topics_[size_t(row)].context : -1;
}

QString HelpWindow::current_text() const {
    return text_->toPlainText();
}

void HelpWindow::show_topic(int index) {
    if (index < 0 || index >= int(topics_.size())) {
        text_->setPlainText(QStringLiteral("This help file holds no topics."));
        return;
    }
    const HelpTopic& topic = topics_[size_t(index)];
    QString html = QStringLiteral("<h2>") + QString::fromStdString(topic.title).toHtmlEscaped() +
                   QStringLiteral("</h2>");
    for (const std::string& paragraph : topic.paragraphs)
        html += QStringLiteral("<p>") + QString::fromStdString(paragraph).toHtmlEscaped() +
                QStringLiteral("</p>");
    text_->setHtml(html);
}

QString resolve_help_file(const QString& help_path) {
    if (QFileInfo(help_path).isFile()) return help_path;
    QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/") +
                     QFileInfo(help_path).fileName();
    return QFileInfo(beside).isFile() ? beside : help_path;
}

void show_help_window(QWidget* parent, const QString& help_file, int context) {
    // One help window for the program, reused by every "?" button, as a help viewer is.
    static QPointer<HelpWindow> window;
    QString file = resolve_help_file(help_file);
    if (!window) window = new HelpWindow(parent ? parent->window() : nullptr);
    if (!window->open(file, context)) {
        QMessageBox::warning(parent, QStringLiteral("Wavecrate Help"),
                             QStringLiteral("Cannot open the help file \"%1\".").arg(file));
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}
