#include "app/TFAutor.h"

#include "app/AppContext.h"

TFAutor::TFAutor(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx(ctx) {
    setObjectName("TFAutor");
    setFixedSize(316, 290);
    hide();
}
