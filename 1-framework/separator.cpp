#include "1-framework/separator.h"

#include <QFrame>

#include "1-framework/internal.h"

namespace fw {

Separator::Separator() {
  auto* rule = new QFrame(Nursery());
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  Peer().widget = rule;
  ApplyFocusPolicy();
}

}  // namespace fw
