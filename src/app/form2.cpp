#include "app/form2.h"

#include "app/app_resources.h"
#include "app/services/service_addresses.h"
#include "ui_form2.h"

namespace fendrake {

Form2::Form2(QWidget *parent) : SecondaryWindow(parent), ui(std::make_unique<Ui::Form2>())
{
    initResources();
    ui->setupUi(this);
    ui->Label4->setText(supportSiteAddress());
    connect(ui->Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    Form_Load();
}

Form2::~Form2() = default;

void Form2::Form_Load()
{
    static const char *const rows[] = {
        "Fendrake 4.02",         "Dezuzedud动态链接库 4.02", "FendrakeActiveX控件 4.02",
        "Fendrake核心组件 4.02", "手机归属查询组件 4.02",    "IP地址查询组件 4.02",
        "身份证查询组件 4.02",   "域名信息查询组件 4.02",    "文件安全检查组件 4.02",
        "主机地址查询组件 4.02", "网站流行查询组件 4.02",    "网站主机数量查询 4.02",
        "ICP证书查询组件 4.02",  "工商查询组件 4.02",        "Email和Tel查询组件 4.02",
        "网址安全组件 4.02",     "淘宝信用查询 4.02",        "QQ在线查询 4.02",
        "意见提交 4.02",         "在线升级组件 4.02",        "错误解决方案查询组件 4.02",
        "举报组件 4.02",
    };
    for (const char *row : rows)
        ui->List1->addItem(QString::fromUtf8(row));
}

void Form2::Command1_Click()
{
    close();
}

} // namespace fendrake
