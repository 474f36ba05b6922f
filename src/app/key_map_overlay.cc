#include "app/key_map_overlay.h"

#include <QKeyEvent>
#include <QPainter>

namespace velmora {

KeyMapOverlay::KeyMapOverlay(QWidget* window) : QWidget(window) {
  setObjectName(QStringLiteral("KeyMap"));
  setFocusPolicy(Qt::StrongFocus);
  hide();
}

void KeyMapOverlay::Open(const QString& title, std::vector<Label> labels,
                         std::vector<std::pair<QString, QString>> view_keys) {
  title_ = title;
  labels_ = std::move(labels);
  view_keys_ = std::move(view_keys);
  setGeometry(parentWidget()->rect());
  show();
  raise();
  setFocus();
}

void KeyMapOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(0, 0, 0, 150));
  QFont bold = font();
  bold.setBold(true);
  p.setFont(bold);
  for (const Label& label : labels_) {
    QRect box = label.where.adjusted(4, 4, -4, -4);
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 230, 80));
    p.drawRoundedRect(box, 4, 4);
    // A narrow key gets its name on two lines ("Ctrl+" above "F1").
    QString text = label.text;
    if (QFontMetrics(bold).horizontalAdvance(text) > box.width() - 4)
      text.replace(QLatin1Char('+'), QStringLiteral("+\n"));
    p.drawText(box, Qt::AlignCenter, text);
  }
  // The view's keys in a panel in the middle.
  const QFontMetrics metrics(bold);
  const int line = metrics.lineSpacing() + 4;
  const int rows = static_cast<int>(view_keys_.size()) + 2;
  QRect panel(width() / 5, height() / 6, width() * 3 / 5, rows * line + 2 * line);
  p.setBrush(QColor(250, 250, 250));
  p.setPen(QColor(60, 60, 60));
  p.drawRect(panel);
  p.drawText(panel.adjusted(line, line / 2, -line, 0), Qt::AlignTop | Qt::AlignLeft, title_);
  QFont plain = font();
  p.setFont(plain);
  int y = panel.top() + 2 * line;
  for (const auto& [keys, meaning] : view_keys_) {
    p.drawText(QRect(panel.left() + line, y, panel.width() / 3, line), Qt::AlignVCenter, keys);
    p.drawText(QRect(panel.left() + panel.width() / 3, y, panel.width() * 2 / 3 - line, line),
               Qt::AlignVCenter, meaning);
    y += line;
  }
}

void KeyMapOverlay::keyPressEvent(QKeyEvent*) {
  hide();
}
void KeyMapOverlay::mousePressEvent(QMouseEvent*) {
  hide();
}

}  // namespace velmora
