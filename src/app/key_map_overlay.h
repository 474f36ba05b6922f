#pragma once
// The key map (help item `mnuKeyMap`, F1): laid over the window, it writes on every key of
// the key rows the keyboard key that stands for it, and lists the keys of the program view.
// Any key or click closes it.
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

class KeyMapOverlay : public QWidget {
 public:
  explicit KeyMapOverlay(QWidget* window);
  struct Label {
    QRect where;
    QString text;
  };
  // Shows the labels of the keys and the lines (keyboard key, meaning) of the view keys.
  void Open(const QString& title, std::vector<Label> labels,
            std::vector<std::pair<QString, QString>> view_keys);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QString title_;
  std::vector<Label> labels_;
  std::vector<std::pair<QString, QString>> view_keys_;
};

}  // namespace velmora
