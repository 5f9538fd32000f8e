#include "puzzle/TFormPuz.h"

#include "app/AppContext.h"

TFormPuz::TFormPuz(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx(ctx) {
    setObjectName("TFormPuz");
    setFixedSize(515, 407);
    hide();
}
