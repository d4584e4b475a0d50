#include "add_item.h"

#include "query.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent)
    : QWidget(parent), Query1(new Query("Query1", this)), Query2(new Query("Query2", this)) {
    setObjectName("Form4");
    setWindowTitle("Form4");
    move(306, 185);
    resize(492, 413);

    Query1->setDatabaseName("nota_fiscal");
    Query1->setSql({"select * from produto", "order by produto"});
    Query2->setDatabaseName("nota_fiscal");
}
