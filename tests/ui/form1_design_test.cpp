#include "app/fonts.h"
#include "app/form1.h"
#include "app/tight_text.h"
#include "app/wrap_label.h"
#include "widget_lookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

using fendrake::test::childNamed;
using fendrake::test::shownText;

namespace {

class Form1Design : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { fendrake::installFontSubstitutions(); }
    void SetUp() override { m_form = std::make_unique<fendrake::Form1>(); }

    template <typename T = QWidget> T *child(const QString &name) { return childNamed<T>(m_form.get(), name); }

    std::unique_ptr<fendrake::Form1> m_form;
};

struct TextCase
{
    const char *control;
    const char *text;
};

// A sample of every panel and of the window, as the user sees them before any query.
const TextCase kDesignTexts[] = {
    {"frmShouJi", "手机归属查询"},
    {"lblShouJiJieShao", "本功能可以查询对方电话号码的所在地，网上购物时，如果对方的手机号与网页上显示地址不一致，"
                         "那么对方可能是骗子。"},
    {"lblShouJiZZ", "准备就绪"},
    {"lblQuHao", "区号："},
    {"txtShouJi", ""},
    {"frmIP", "IP地址查询"},
    {"lblIPJieShao", "本功能可以查询对方IP地址的所在地区，结果将会精确到网吧/省市/区县。IP地址不知道的请用1个“*”代替"},
    {"txtIPJG", "查询结果\n"},
    {"lblIPZZ", ""},
    {"Label10", "输入的IP地址不合法！"},
    {"frmShenFenZheng", "身份证校验"},
    {"lblShuRuSFZ", "输入身份证："},
    {"lblSFZSuoZai", "发证地："},
    {"frmYuMing", "域名信息查询"},
    {"lblYuMing", "域名："},
    {"cmdYuMingChaXun", "查询"},
    {"frmZhuJi", "主机地址所在地"},
    {"lblZhuJiIP", "主机IP地址："},
    {"lblZhuJi", "准备就绪"},
    {"frmRenQi", "网站人气排名"},
    {"lblRenQiJS",
     "    本功能可以查询您需要了解的网站的全球流量排名情况，骗子网站无论如何伪装，其流量等人气指标是无法伪装出来的。"},
    {"lblZG", "中国流量排名："},
    {"frmLiuXing", "网站流行度"},
    {"cmdLiuXingChaXun", "查询流行度"},
    {"cmdShouLuChaXun", "查询收录数量"},
    {"frmSL", "网站主机数量查询"},
    {"Label8", "本功能可以查询您需要了解的网站主机数量，骗子网站一般只有一个主机地址，如果一个网站有两个以上的主机，"
               "可信度就比较高了。（主机数量多少请看检查结果最后边有多少个IP地址）"},
    {"frmQQ", "QQ在线查询"},
    {"Label5", "输入QQ号："},
    {"Label24", "对方情况："},
    {"frmMX", "明星知名度查询"},
    {"lblMX3", "广泛性人气指标："},
    {"lblMX6", "准备就绪"},
    {"frmICP", "ICP证书"},
    {"Label22", "查询方法一：数据库式查询"},
    {"Label28", "查询方法二：信产部官网查询（打开后点击公共信息查询）"},
    {"Command10", "打开信产部查询网址"},
    {"Label31", "缺点：不稳定，不准确，缺结果"},
    {"frmGongShang", "工商信息"},
    {"Frame1", "请输入选项"},
    {"Frame2", "该地区查询地址如下"},
    {"Option2", "选择市工商局资料"},
    {"Label1", "工 商 查 询 ："},
    {"Label4", "http:///"},
    {"frmTelWZ", "Email查所在地、电话查具体位置"},
    {"Label17", "如果在左边数据库中无法查询您需要查询的电话号码所在地，您还可以尝试使用范围式查询，因为同号段电话号码位"
                "置在同一地区，"
                "优点：范围大，结果全面。                       格式：010-88888888"},
    {"lblTel_0", "电话："},
    {"lblTel_1", "电话："},
    {"Label18", "-"},
    {"Command4", "查询Email所在地"},
    {"frmUSafe", "网址安全检查"},
    {"frmUS", "恶意行为"},
    {"chkUS6", "诱导链接"},
    {"Label36", "当前状态：未知"},
    {"cmdGMCX", "测试"},
    {"frmTB", "淘宝商户信用"},
    {"cmdTBURL", "已为您查询到信用，点击查看结果"},
    {"Label9", "查询后将查询结果输入在下边，然后按“开始评估”进行评估"},
    {"Check2", "消费者保障服务(如交保证金请打钩)"},
    {"Label38", "专    家    建    议"},
    {"Text10", "暂无建议.\n"},
    {"Label11",
     "本软件开发组在分析了数万则网上受骗的案例后，总结出了一整套Fendra方法，经过整理后开发了此防骗工具，适用于："},
    {"Label12", "网络交易、交友、聊天、安全等"},
    {"cmdChuJi", "初级鉴别"},
    {"cmdEmail", "Email所在地、电话具体位置"},
    {"Command3", "网站主机数量"},
    {"Command2", "退出"},
    {"Check1", "本窗口总在最前面"},
    {"Label6", "在线支持QQ：10086512"},
    {"Label21", "邮箱：support@fendrake.net"},
    {"Text5", ""},
    {"Text6", "\t"},
};

TEST_F(Form1Design, ControlsShowTheirDesignTexts)
{
    EXPECT_EQ(m_form->windowTitle(), "Fendrake 4.02");
    for (const TextCase &sample : kDesignTexts)
        EXPECT_EQ(shownText(child<QObject>(sample.control)).toStdString(), sample.text) << sample.control;
}

TEST_F(Form1Design, RangeSearchExplanationKeepsItsRunOf23Blanks)
{
    const QString text = child<QLabel>("Label17")->text();
    EXPECT_TRUE(text.contains("。" + QString(23, ' ') + "格式：010-88888888"));
    EXPECT_FALSE(text.contains(QString(24, ' ')));
}

struct TipCase
{
    const char *control;
    const char *tip;
};

const TipCase kToolTips[] = {
    {"cmdChuJi", "六种最基本的查询鉴别方法"},
    {"cmdZhongJi", "五种高级鉴别方法"},
    {"cmdGaoji", "五种高级鉴别方法"},
    {"Command11", "根据文件利用37种杀毒软件进行查毒并判断其安全性"},
    {"Command8", "查询网站的主机数量，骗子网站一般是采用虚拟主机，只有一个主机地址"},
    {"Command12", "查询网站的主机数量，骗子网站一般是采用虚拟主机，只有一个主机地址"},
    {"Command7", "根据对方网址查询安全性，恶意网址库随时更新"},
    {"txtTel", "输入电话号码，格式010-12345678"},
    {"chkUS3", "通过病毒、流氓软件、垃圾邮件等方式把自己设为主页、弹出窗口、骗取用户点击"},
    {"Check2", "此项十分重要，不加入“消费者保障服务”扣分较多。"},
    {"Text11", "衡量店铺是否刷信用的有效标准"},
    {"txtTB", "输入淘宝掌柜名（旺旺名）"},
};

TEST_F(Form1Design, ControlsCarryTheirDesignToolTips)
{
    for (const TipCase &sample : kToolTips)
        EXPECT_EQ(child(sample.control)->toolTip().toStdString(), sample.tip) << sample.control;
}

struct GeometryCase
{
    const char *control;
    QRect pixels;
};

// Twips / 15, relative to the container.
const GeometryCase kGeometry[] = {
    {"frmMain", {0, -3, 569, 412}},        {"frmJianBie", {8, 8, 137, 405}},
    {"frmChuJi", {8, 40, 137, 305}},       {"frmZhongJi", {8, 72, 137, 273}},
    {"frmGaoji", {8, 112, 137, 233}},      {"cmdShouJi", {16, 16, 97, 33}},
    {"cmdEmail", {16, 92, 97, 41}},        {"Picture1", {160, 112, 385, 81}},
    {"Command2", {504, 388, 65, 21}},      {"Check1", {184, 392, 121, 17}},
    {"Text5", {256, -1112, 12, 25}},       {"frmTB", {152, 0, 401, 377}},
    {"frmYuMing", {152, 16, 401, 337}},    {"frmIP", {152, 16, 401, 321}},
    {"frmGongShang", {152, 16, 401, 321}}, {"txtShouJi", {104, 96, 169, 25}},
    {"txtIPJG", {96, 120, 209, 57}},       {"cmdShenFenZhengChaXun", {280, 52, 81, 28}},
    {"txtYuMingJG", {8, 80, 385, 233}},    {"cmdZhuJiChaXun", {264, 92, 81, 25}},
    {"txtRenQi", {48, 88, 265, 25}},       {"cmdShouLuChaXun", {312, 80, 89, 25}},
    {"txtSLJG", {56, 136, 281, 153}},      {"Command9", {288, 56, 57, 25}},
    {"cmdMXCX", {304, 24, 81, 27}},        {"Command10", {8, 200, 209, 41}},
    {"Combo1", {136, 24, 81, 25}},         {"Label17", {232, 80, 161, 129}},
    {"txtTelWZ", {8, 120, 209, 201}},      {"chkUS2", {112, 16, 89, 17}},
    {"cmdUS", {296, 48, 36, 25}},          {"Text10", {8, 272, 385, 97}},
    {"Check9", {8, 184, 185, 17}},
};

TEST_F(Form1Design, ControlsStandAtTheirDesignPlaces)
{
    for (const GeometryCase &sample : kGeometry)
        EXPECT_EQ(child(sample.control)->geometry(), sample.pixels) << sample.control;
    EXPECT_EQ(m_form->centralWidget()->size(), QSize(582, 413));
}

TEST_F(Form1Design, InnerControlsLieInTheirFrames)
{
    const TextCase inFrame[] = {{"Option1", "Frame1"},   {"Combo2", "Frame1"},       {"Command1", "Frame1"},
                                {"Label3", "Frame2"},    {"chkUS1", "frmUS"},        {"chkUS6", "frmUS"},
                                {"Label11", "Picture1"}, {"cmdGaoji", "frmJianBie"}, {"Command7", "frmGaoji"},
                                {"WebTel", "frmTelWZ"},  {"WebTB", "centralwidget"}, {"Text6", "centralwidget"}};
    for (const TextCase &sample : inFrame)
        EXPECT_EQ(child(sample.control)->parentWidget()->objectName().toStdString(), sample.text) << sample.control;
}

TEST_F(Form1Design, DesignStatesHiddenDisabledAndSelected)
{
    for (const char *name : {"Label10", "txtIPTT", "txtSFZTT", "txtLiuXingTT", "txtShouLuTT", "txtTelTT", "cmdTBURL",
                             "Text6", "WebTB", "WebICP", "WebUS", "WebMX", "WebQQ", "WebTel"})
        EXPECT_TRUE(child(name)->isHidden()) << name;
    for (const char *name : {"Combo2", "Label3", "Label4", "frmUS", "Picture1", "Check2", "Check3", "Check4", "Check5",
                             "Check6", "Text9", "Text11", "Text12"})
        EXPECT_FALSE(child(name)->isEnabled()) << name;
    for (const char *name : {"Combo1", "Check7", "Text7", "Command13", "txtUS", "Option2"})
        EXPECT_TRUE(child(name)->isEnabled()) << name;
    EXPECT_TRUE(child<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(child<QComboBox>("Combo1")->count(), 0);
    EXPECT_EQ(child<QComboBox>("Combo2")->count(), 0);
    // The verdict pictures are stacked with the not-rated one on top.
    const QObjectList siblings = child("imgSafe")->parent()->children();
    EXPECT_LT(siblings.indexOf(child("imgNoSafe")), siblings.indexOf(child("imgSafe")));
    EXPECT_LT(siblings.indexOf(child("imgSafe")), siblings.indexOf(child("imgNoKnow")));
    EXPECT_FALSE(child<QLabel>("imgNoKnow")->pixmap().isNull());
}

TEST_F(Form1Design, ResultBoxesAreMultiLineAndInputBoxesSingleLine)
{
    for (const char *name : {"txtYuMingJG", "txtIPJG", "txtZhuJiJG", "txtSLJG", "txtTelWZ", "Text10"})
        EXPECT_NE(m_form->findChild<QPlainTextEdit *>(name), nullptr) << name;
    for (const char *name : {"txtYuMing", "txtIP", "txtShouJi", "Text4", "txtTB", "Text2", "Text7"})
        EXPECT_NE(m_form->findChild<QLineEdit *>(name), nullptr) << name;
    EXPECT_EQ(child<QPlainTextEdit>("txtIPJG")->document()->blockCount(), 2);
}

struct ColourCase
{
    const char *control;
    QPalette::ColorRole role;
    QColor colour;
};

TEST_F(Form1Design, ControlsCarryTheirDesignColours)
{
    const QColor blue(0, 0, 255), darkBlue(0, 0, 0xC0), darkRed(0xC0, 0, 0), red(255, 0, 0);
    const ColourCase cases[] = {
        {"lblShouJiZZ", QPalette::WindowText, blue},
        {"lblIPZZ", QPalette::WindowText, blue},
        {"Label10", QPalette::WindowText, darkRed},
        {"lblSFZZZ", QPalette::WindowText, darkBlue},
        {"Label25", QPalette::WindowText, darkRed},
        {"Label30", QPalette::WindowText, darkBlue},
        {"Label40", QPalette::WindowText, red},
        {"Label15", QPalette::WindowText, darkRed},
        {"txtMXName", QPalette::Text, blue},
        {"txtTelWZ", QPalette::Text, blue},
        {"txtShenFenZheng", QPalette::Base, Qt::white},
        {"Label11", QPalette::WindowText, QColor(0, 0x80, 0)},
        {"Label12", QPalette::WindowText, darkRed},
    };
    for (const ColourCase &sample : cases)
        EXPECT_EQ(child(sample.control)->palette().color(QPalette::Active, sample.role), sample.colour)
            << sample.control;
    // The intro labels stay coloured although their panel is disabled.
    EXPECT_EQ(child("Label11")->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(0, 0x80, 0));
}

TEST_F(Form1Design, DesignFontsMapOntoInstalledFamilies)
{
    const TextCase cases[] = {{"txtYuMing", "DejaVu Sans"},     {"lblShouJiHao", "Noto Sans CJK SC"},
                              {"txtIPTT", "Noto Serif CJK SC"}, {"Label18", "Noto Sans Mono CJK SC"},
                              {"Label23", "Noto Sans CJK SC"},  {"cmdChuJi", "Noto Sans CJK SC"}};
    for (const TextCase &sample : cases)
        EXPECT_EQ(QFontInfo(child(sample.control)->font()).family().toStdString(), sample.text) << sample.control;
    EXPECT_EQ(m_form->font().pointSize(), 9);
    EXPECT_EQ(child("txtYuMing")->font().pointSize(), 9);
}

TEST_F(Form1Design, LongLabelsWrapAndFitTheirDesignHeight)
{
    const QList<fendrake::WrapLabel *> labels = m_form->findChildren<fendrake::WrapLabel *>();
    EXPECT_GE(labels.size(), 10);
    for (const fendrake::WrapLabel *label : labels) {
        const fendrake::TightText text(label->text(), label->font(), label->contentsRect().width(), Qt::AlignLeft,
                                       fendrake::TightText::designLineStep(label->font()));
        EXPECT_GT(text.height(), fendrake::TightText::designLineStep(label->font()))
            << "one line only? " << label->objectName().toStdString();
        EXPECT_LE(text.height(), label->height()) << label->objectName().toStdString();
    }
}

TEST_F(Form1Design, ObjectNamesAreUniqueInTheWindow)
{
    QSet<QString> seen;
    for (const QObject *object : m_form->findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith("qt_"))
            continue;
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.insert(name);
    }
}

struct MenuCase
{
    const char *menu;
    QStringList entries; // object names in display order; the captions follow
    QStringList captions;
};

TEST_F(Form1Design, MenuBarHoldsTheFourMenusWithEveryEntry)
{
    QStringList titles;
    for (QAction *action : m_form->menuBar()->actions())
        titles << action->menu()->objectName() + "=" + action->text();
    EXPECT_EQ(titles, QStringList({"mnuFile=文件", "mnuTools=工具", "mnuJB=举报", "mnuHelp=帮助"}));

    const MenuCase menus[] = {
        {"mnuFile", {"mnuEnd"}, {"退出"}},
        {"mnuTools", {"mnuDoctor"}, {"故障检测"}},
        {"mnuJB",
         {"mnuInt", "mnuYD", "mnuDHBLXX", "mnuQT"},
         {"互联网不良与垃圾信息", "移动电话网不良与垃圾信息", "固定电话网不良与垃圾信息", "其他举报"}},
        {"mnuInt",
         {"mnuLaJiEmail", "mnuEYiSoft", "mnuWebSite", "mnuBlog", "mnuBBS", "mnuInfo", "mnuQiTa"},
         {"举报垃圾邮件", "举报恶意软件", "举报恶意网站", "举报博客", "举报论坛(bbs)", "举报即时消息",
          "举报其它不良与垃圾信息"}},
        {"mnuYD",
         {"mnuLJDX", "mnuYDSR", "mnuWAP", "mnuCX", "mnuVIR", "mnuCL", "mnuYDLAJI"},
         {"举报垃圾短信", "举报移动电话网骚扰电话", "举报WAP", "举报彩信", "举报IVR", "举报彩铃",
          "举报其它移动电话网不良与垃圾信息"}},
        {"mnuDHBLXX",
         {"mnuSRDH", "mnuSXT", "mnuCZ", "mnuGDI"},
         {"举报固定网骚扰电话", "举报声讯台", "举报垃圾传真", "举报其它固定网不良与垃圾信息"}},
        {"mnuQT", {"mnuQiTaInfo"}, {"举报其它不良与垃圾信息"}},
        {"mnuHelp",
         {"mnuHelp1", "mnuWeb", "mnuQQ", "mnuF2", "mnuUpdate", "mnuF3", "mnuAbout"},
         {"打开帮助文件", "本软件网站", "联系我们", "", "在线升级", "", "关于"}},
    };
    for (const MenuCase &menu : menus) {
        QStringList names, captions;
        for (QAction *action : child<QMenu>(menu.menu)->actions()) {
            names << (action->menu() ? action->menu()->objectName() : action->objectName());
            captions << action->text();
        }
        EXPECT_EQ(names, menu.entries) << menu.menu;
        EXPECT_EQ(captions, menu.captions) << menu.menu;
    }
    EXPECT_TRUE(child<QAction>("mnuF2")->isSeparator());
    EXPECT_TRUE(child<QAction>("mnuF3")->isSeparator());
}

} // namespace
