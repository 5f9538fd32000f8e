#include "coords/TFUklad.h"

#include "app/AppContext.h"

TFUklad::TFUklad(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx(ctx) {
    setObjectName("TFUklad");
    setFixedSize(386, 261);
    hide();
}
