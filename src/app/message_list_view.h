#pragma once
// `ListView1`: the message list at the bottom of the main window, a view of the MessageList
// model with four columns (number, time, text, result).
#include <QTreeWidget>
#include <functional>

#include "app/twips.h"

namespace velmora {

class Language;
class MessageList;
struct MessageLine;

class MessageListView : public QTreeWidget {
 public:
  MessageListView(QWidget* parent, const Twips& twips);
  // Shows the model's lines and follows it from now on.
  void Attach(MessageList& model);
  // Column headers (`SetUpMessageList` step 1).
  void SetHeaders(const Language& language);
  // Tab in the list: the window returns the operator to the program.
  std::function<void()> on_tab;
  // After a line was added and shown.
  std::function<void(const MessageLine&)> after_added;

 protected:
  bool event(QEvent* e) override;

 private:
  void Append(const MessageLine& line);
  void Resync();
  MessageList* model_ = nullptr;
  QIcon icon_;
  const Twips* twips_;
};

}  // namespace velmora
