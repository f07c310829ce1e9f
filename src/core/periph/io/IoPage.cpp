#include "periph/io/IoPage.h"

#include "model/Tree.h"

namespace regforge::periph::io {

IoPage::IoPage(PageContext& context) : Page(context) {
    declareControls();
}

void IoPage::declareControls() {
    auto* page = store().find("IO_page");
    store().add<model::Tree>("IO_Treeview", page);
}

void IoPage::clearDevice() {
    store().get<model::Tree>("IO_Treeview").clear();
}

} // namespace regforge::periph::io
