#pragma once
// One Velmora per user: the first instance listens on a local socket; a later start finds it
// there, asks it to come to the front and ends.
#include <QLocalServer>
#include <QString>
#include <functional>

namespace velmora {

class SingleInstance {
 public:
  explicit SingleInstance(const QString& name);
  // False when another instance runs; that one was asked to come to the front.
  bool IsFirst() const { return first_; }
  // Called in the first instance when a later start asks for it.
  std::function<void()> on_activate;

 private:
  QLocalServer server_;
  bool first_ = false;
};

}  // namespace velmora
