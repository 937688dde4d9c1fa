#include "Form2.hpp"

#include "ChainForms.hpp"
#include "Form3.hpp"
#include "InfoLayout.hpp"

#include <QPushButton>

namespace chain {

Form2::Form2()
{
    buildInfoWindow(this, form2Design());
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this, &Form2::Command1_Click);
}

Form2::~Form2() = default;

void Form2::Command1_Click()
{
    if (!form3_) {
        form3_ = std::make_unique<Form3>();
    }
    form3_->show();
    form3_->raise();
}

void Form2::closeAll()
{
    if (form3_) {
        form3_->close();
    }
    close();
}

} // namespace chain
