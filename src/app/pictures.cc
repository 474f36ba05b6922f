#include "app/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velmora {
namespace {

// Every drawing works in a 24 x 24 box.
using Draw = void (*)(QPainter&);

void Check(QPainter& p) {
  p.setPen(QPen(QColor(0, 128, 0), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({{4, 13}, {10, 19}, {20, 5}}));
}

void Cross(QPainter& p) {
  p.setPen(QPen(QColor(192, 0, 0), 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(5, 5), QPointF(19, 19));
  p.drawLine(QPointF(19, 5), QPointF(5, 19));
}

void Info(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 90, 170));
  p.drawEllipse(QRectF(2, 2, 20, 20));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(10.5, 5, 3, 3));
  p.drawRect(QRectF(10.5, 10, 3, 9));
}

void Arrow(QPainter& p, double angle, QColor colour) {
  p.translate(12, 12);
  p.rotate(angle);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({{0, -10}, {9, 0}, {3.5, 0}, {3.5, 10}, {-3.5, 10}, {-3.5, 0}, {-9, 0}}));
}

void ArrowUp(QPainter& p) {
  Arrow(p, 0, QColor(30, 30, 30));
}
void ArrowDown(QPainter& p) {
  Arrow(p, 180, QColor(30, 30, 30));
}
void ArrowLeft(QPainter& p) {
  Arrow(p, 270, QColor(0, 90, 170));
}
void ArrowRight(QPainter& p) {
  Arrow(p, 90, QColor(0, 90, 170));
}

// A sheet with text lines: the program listing.
void Listing(QPainter& p) {
  p.setPen(QPen(QColor(40, 40, 40), 1.5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4, 2, 16, 20));
  for (double y : {7.0, 11.0, 15.0, 19.0}) p.drawLine(QPointF(7, y), QPointF(17, y));
}

// A magnifier over a sheet: the detail view.
void Details(QPainter& p) {
  Listing(p);
  p.setPen(QPen(QColor(0, 90, 170), 2.5));
  p.setBrush(QColor(220, 235, 255));
  p.drawEllipse(QRectF(9, 8, 9, 9));
  p.drawLine(QPointF(17, 16), QPointF(22, 21));
}

// A broom-like eraser: clears the message list.
void Eraser(QPainter& p) {
  p.translate(12, 12);
  p.rotate(-35);
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.setBrush(QColor(230, 120, 140));
  p.drawRect(QRectF(-9, -5, 10, 10));
  p.setBrush(QColor(90, 140, 220));
  p.drawRect(QRectF(1, -5, 8, 10));
}

// A folder with an arrow out of it: close the program.
void CloseFolder(QPainter& p) {
  p.setPen(QPen(QColor(120, 90, 0), 1.2));
  p.setBrush(QColor(240, 200, 80));
  p.drawRect(QRectF(2, 8, 16, 13));
  p.drawRect(QRectF(2, 5, 7, 3));
  p.setPen(QPen(QColor(192, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(12, 14), QPointF(22, 14));
  p.drawPolyline(QPolygonF({{18, 10}, {22, 14}, {18, 18}}));
}

// A picture without a drawing of its own: its number in a box, so that it still shows.
void Numbered(QPainter& p, int index) {
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(QColor(235, 235, 235));
  p.drawRect(QRectF(2, 2, 20, 20));
  QFont font = p.font();
  font.setPixelSize(12);
  p.setFont(font);
  p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QString::number(index));
}

Draw DrawingOf(Picture picture) {
  struct Entry {
    Picture picture;
    Draw draw;
  };
  static const Entry kEntries[] = {
      {{ImageList::kSK, 1}, Check},      {{ImageList::kSK, 2}, ArrowLeft},
      {{ImageList::kSK, 3}, Info},       {{ImageList::kSK, 4}, Cross},
      {{ImageList::k1, 1}, CloseFolder}, {{ImageList::k1, 2}, ArrowLeft},
      {{ImageList::k1, 3}, ArrowRight},  {{ImageList::k1, 4}, Check},
      {{ImageList::k1, 5}, Cross},       {{ImageList::kST, 1}, ArrowUp},
      {{ImageList::kST, 2}, ArrowDown},  {{ImageList::kST, 3}, Details},
      {{ImageList::kST, 4}, Listing},    {{ImageList::kST, 6}, Eraser},
  };
  for (const Entry& e : kEntries)
    if (e.picture == picture) return e.draw;
  return nullptr;
}

}  // namespace

QIcon PictureIcon(Picture picture, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 24.0, size / 24.0);
  if (Draw draw = DrawingOf(picture))
    draw(p);
  else
    Numbered(p, picture.index);
  p.end();
  return QIcon(pixmap);
}

}  // namespace velmora
