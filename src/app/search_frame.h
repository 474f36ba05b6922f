#pragma once
// `SearchFrm`: the search frame over the program view, with the box `SearchText`. Enter runs
// the search, Esc closes the frame.
#include <QGroupBox>
#include <QLineEdit>
#include <functional>

#include "app/twips.h"

namespace velmora {

class SearchBox : public QLineEdit {
 public:
  explicit SearchBox(QWidget* parent);
  std::function<void()> on_enter;
  std::function<void()> on_escape;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
};

class SearchFrame : public QGroupBox {
 public:
  SearchFrame(QWidget* window, const Twips& twips);
  SearchBox* text() const { return text_; }

 private:
  SearchBox* text_;
};

}  // namespace velmora
