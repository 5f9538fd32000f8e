#include "country/TFormGdzie.h"

#include "app/AppContext.h"

TFormGdzie::TFormGdzie(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx(ctx) {
    setObjectName("TFormGdzie");
    setFixedSize(411, 329);
    hide();
}
