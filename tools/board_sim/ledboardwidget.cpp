#include "ledboardwidget.h"

#include <QPainter>
#include <QPainterPath>

#include "protocol.h"

namespace boardsim {

namespace {

// One place of a row: a character and whether the point after it is lit.
struct Cell {
    char ch = ' ';
    bool point = false;
};

QList<Cell> cellsOf(const QByteArray& value) {
    QList<Cell> cells;
    bool lastWasPoint = true;
    for (char c : value) {
        if (c == '.') {
            if (!cells.isEmpty() && !lastWasPoint) {
                cells.last().point = true;
            } else {
                cells.append({' ', true});  // a point without a digit before it takes a place
            }
            lastWasPoint = true;
        } else {
            cells.append({c, false});
            lastWasPoint = false;
        }
    }
    return cells;
}

// Segments a..g as bits 0..6.
int segmentsOf(char c) {
    static const int kDigits[] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    if (c >= '0' && c <= '9') {
        return kDigits[c - '0'];
    }
    if (c == '-') {
        return 0x40;
    }
    return 0;
}

const QColor kLit(255, 40, 30);
const QColor kUnlit(48, 8, 6);

// Digit proportions: width and the distance to the next digit, as parts of the height.
constexpr qreal kDigitWidth = 0.52;
constexpr qreal kDigitPitch = 0.72;

void drawDigit(QPainter& p, const QRectF& r, const Cell& cell) {
    const qreal t = r.width() * 0.2;  // segment thickness
    const qreal h = t / 2;
    const qreal g = t * 0.18;  // gap between neighbouring segments
    const qreal x0 = r.left() + h, x1 = r.right() - h;
    const qreal y0 = r.top() + h, ym = r.center().y(), y1 = r.bottom() - h;
    auto horizontal = [&](qreal y) {
        const qreal a = x0 + g, b = x1 - g;
        return QPolygonF{{QPointF(a, y), QPointF(a + h, y - h), QPointF(b - h, y - h), QPointF(b, y),
                          QPointF(b - h, y + h), QPointF(a + h, y + h)}};
    };
    auto vertical = [&](qreal x, qreal ya, qreal yb) {
        const qreal a = ya + g, b = yb - g;
        return QPolygonF{{QPointF(x, a), QPointF(x + h, a + h), QPointF(x + h, b - h), QPointF(x, b),
                          QPointF(x - h, b - h), QPointF(x - h, a + h)}};
    };
    const QPolygonF segments[7] = {
        horizontal(y0),        // a
        vertical(x1, y0, ym),  // b
        vertical(x1, ym, y1),  // c
        horizontal(y1),        // d
        vertical(x0, ym, y1),  // e
        vertical(x0, y0, ym),  // f
        horizontal(ym),        // g
    };
    const int lit = segmentsOf(cell.ch);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        p.setBrush((lit >> i) & 1 ? kLit : kUnlit);
        p.drawPolygon(segments[i]);
    }
    p.setBrush(cell.point ? kLit : kUnlit);
    p.drawEllipse(QPointF(r.right() + t, r.bottom() - h), t * 0.6, t * 0.6);
}

}  // namespace

LedBoardWidget::LedBoardWidget(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Price board (simulated)"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    for (int i = 0; i < kRowCount; ++i) {
        rows_ << "0.000";
    }
}

void LedBoardWidget::setRows(const QByteArrayList& rows) {
    rows_ = rows;
    update();
}

void LedBoardWidget::setPortText(const QString& text) {
    portText_ = text;
    update();
}

void LedBoardWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::black);

    QList<QList<Cell>> rowCells;
    qsizetype places = 5;
    for (const QByteArray& row : std::as_const(rows_)) {
        rowCells.append(cellsOf(row));
        places = qMax(places, rowCells.last().size());
    }

    const qreal footer = portText_.isEmpty() ? 0 : 18;
    const qreal margin = 10;
    const qreal labelWidth = 28;
    const qreal rowHeight = (height() - footer - margin) / qMax<qsizetype>(1, rowCells.size());
    const qreal usableWidth = width() - labelWidth - 2 * margin;
    const qreal digitHeight = qMin(rowHeight * 0.8, usableWidth / (places * kDigitPitch));
    const qreal pitch = digitHeight * kDigitPitch;
    const qreal blockLeft = labelWidth + margin + (usableWidth - places * pitch) / 2;

    QFont font = p.font();
    font.setPixelSize(qMax(8, int(rowHeight * 0.3)));
    p.setFont(font);
    for (int r = 0; r < rowCells.size(); ++r) {
        const qreal rowTop = margin / 2 + r * rowHeight;
        const qreal top = rowTop + (rowHeight - digitHeight) / 2;
        p.setPen(QColor(120, 120, 120));
        p.drawText(QRectF(0, rowTop, labelWidth, rowHeight), Qt::AlignCenter, QString::number(r + 1));
        const QList<Cell>& cells = rowCells[r];
        // Right-aligned: the last place of every row lines up.
        for (qsizetype i = 0; i < places; ++i) {
            const qsizetype c = i - (places - cells.size());
            const QRectF digit(blockLeft + i * pitch, top, digitHeight * kDigitWidth, digitHeight);
            drawDigit(p, digit, c >= 0 ? cells[c] : Cell{});
        }
    }
    if (!portText_.isEmpty()) {
        p.setPen(QColor(120, 120, 120));
        font.setPixelSize(11);
        p.setFont(font);
        p.drawText(QRectF(0, height() - footer, width(), footer), Qt::AlignCenter, portText_);
    }
}

}  // namespace boardsim
