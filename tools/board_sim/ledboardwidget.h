// What the board shows: the ten rows as red seven-segment digits with decimal points on black.
#pragma once

#include <QByteArrayList>
#include <QWidget>

namespace boardsim {

class LedBoardWidget : public QWidget {
    Q_OBJECT
  public:
    explicit LedBoardWidget(QWidget* parent = nullptr);

    void setRows(const QByteArrayList& rows);
    void setPortText(const QString& text);

    QSize sizeHint() const override { return {420, 640}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QByteArrayList rows_;
    QString portText_;
};

}  // namespace boardsim
