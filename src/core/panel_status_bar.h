#pragma once

#include <QLabel>
#include <QList>
#include <QStatusBar>

// A status bar of fixed panels, each a width and an alignment, addressed by index from 0.
class Panel_Status_Bar : public QStatusBar {
    Q_OBJECT
  public:
    explicit Panel_Status_Bar(QWidget* parent = nullptr);

    struct Panel {
        int width;
        Qt::Alignment alignment;
    };
    void setPanels(const QList<Panel>& panels);
    int panelCount() const { return static_cast<int>(labels_.size()); }

    void setPanelText(int index, const QString& text);
    QString panelText(int index) const;

  private:
    QList<QLabel*> labels_;
};
