#include "maps/TFMapy.h"

#include "app/AppContext.h"

TFMapy::TFMapy(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx(ctx) {
    setObjectName("TFMapy");
    setFixedSize(513, 415);
    ListaPanstw = new QComboBox(this);
    ListaPanstw->setObjectName("ListaPanstw");
    hide();
}
