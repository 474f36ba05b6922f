#include "app/message_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "app/pictures.h"
#include "app/qt_text.h"
#include "base/language.h"
#include "base/message_list.h"

namespace velmora {
MessageListView::MessageListView(QWidget* parent, const Twips& twips)
    : QTreeWidget(parent), twips_(&twips) {
  setObjectName(QStringLiteral("ListView1"));
  setColumnCount(4);
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAllColumnsShowFocus(true);
  setIconSize(QSize(twips.px(160), twips.px(160)));
  icon_ = PictureIcon({ImageList::kSK, 3}, twips.px(160));
  for (int column = 0; column < 4; ++column) setColumnWidth(column, twips.px((column + 1) * 600));
  // The number column also carries the icon.
  setColumnWidth(0, twips.px(600) + iconSize().width() + twips.px(100));
  header()->setStretchLastSection(true);
}

void MessageListView::SetHeaders(const Language& language) {
  setHeaderLabels(
      {UiText(language.MessageText("ColumnMsgNr")), UiText(language.MessageText("ColumnTime")),
       UiText(language.MessageText("ColumnText")), UiText(language.AssistantText("Result"))});
}

void MessageListView::Attach(MessageList& model) {
  model_ = &model;
  model.on_added = [this](const MessageLine& line) {
    if (topLevelItemCount() + 1 == static_cast<int>(model_->lines().size()))
      Append(line);
    else
      Resync();
    if (after_added) after_added(line);
  };
  model.on_cleared = [this] { clear(); };
  Resync();
}

void MessageListView::Resync() {
  clear();
  for (const MessageLine& line : model_->lines()) Append(line);
}

void MessageListView::Append(const MessageLine& line) {
  auto* item = new QTreeWidgetItem(
      this, {UiText(line.number_cell), UiText(line.time), UiText(line.text), UiText(line.result)});
  item->setIcon(0, icon_);
  setCurrentItem(item);
  scrollToItem(item);
}

// Tab is swallowed on key down, key press and key up.
bool MessageListView::event(QEvent* e) {
  if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
    auto* key = static_cast<QKeyEvent*>(e);
    if (key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier)) {
      if (e->type() == QEvent::KeyPress && on_tab) on_tab();
      return true;
    }
  }
  return QTreeWidget::event(e);
}

}  // namespace velmora
