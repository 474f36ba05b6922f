#include "app/status_bar.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLocale>
#include <QTimer>

namespace velmora {

StatusBar::StatusBar(QWidget* window, const Twips& twips) : QFrame(window) {
  setObjectName(QStringLiteral("StatusBar1"));
  setGeometry(twips.rect(600, 6400, 8955, 360));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(twips.px(30));
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  progress_->setFixedWidth(twips.px(1500));
  row->addWidget(progress_);
  const int widths[4] = {1300, 900, 3000, 2000};
  for (int i = 0; i < 4; ++i) {
    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(twips.px(widths[i]));
    panel->setAlignment(i >= 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    row->addWidget(panel, i == 2 ? 1 : 0);
    panels_[i] = panel;
  }
  auto* clock = new QTimer(this);
  QObject::connect(clock, &QTimer::timeout, this, [this] { ShowClock(); });
  clock->start(1000);
  ShowClock();
}

void StatusBar::ShowClock() {
  QDateTime now = QDateTime::currentDateTime();
  QLocale locale;
  panels_[0]->setText(locale.toString(now.date(), QLocale::ShortFormat));
  panels_[1]->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

}  // namespace velmora
