#include "checks/people/celebrity_panel.h"

#include "app/services/browser_control.h"
#include "app/services/message_box.h"
#include "app/services/pending_query.h"
#include "checks/people/celebrity.h"

namespace fendrake {

namespace {

const QString kTrendCaption = QStringLiteral("流行趋势硬指标：");
const QString kPostsCaption = QStringLiteral("广泛性人气指标：");
const QString kTopicsCaption = QStringLiteral("局限性人气指标：");
const QString kFollowersCaption = QStringLiteral("流行趋势总指标：");
const QString kNoResult = QStringLiteral("没有查询到结果，可能由于服务器问题或网络问题，请稍后重试！");

} // namespace

CelebrityPanel::CelebrityPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdMXCX, &QPushButton::clicked, this, &CelebrityPanel::cmdMXCX_Click);
}

void CelebrityPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
    connect(m_web, &BrowserControl::DocumentComplete, this, &CelebrityPanel::WebMX_DocumentComplete);
}

void CelebrityPanel::cmdMXCX_Click()
{
    ui.lblMX6->setText(QStringLiteral("正在连接服务器..."));
    ui.lblMX2->setText(kTrendCaption);
    ui.lblMX3->setText(kPostsCaption);
    ui.lblMX4->setText(kTopicsCaption);
    ui.lblMX5->setText(kFollowersCaption);

    m_pending->set();
    ui.cmdMXCX->setEnabled(false);
    ui.txtMXName->setEnabled(false);
    m_web->Navigate(celebrityForumAddress(ui.txtMXName->text()));
}

void CelebrityPanel::WebMX_DocumentComplete(const QString &)
{
    if (!m_pending->take())
        return;
    ui.lblMX6->setText(QStringLiteral("正在评估明星信息..."));
    MXPageText = m_web->bodyText();
    // A load that failed or passed the fetch limits, or an error page, is no forum page.
    if (!m_web->pageAnswered()) {
        showCritical(kNoResult);
        finishQuery();
        return;
    }

    switch (forumState(MXPageText)) {
    case ForumState::Closed:
        showCritical(QStringLiteral("抱歉，根据相关法律法规和政策，本明星信息暂不开放。"));
        finishQuery();
        return;
    case ForumState::Missing:
        showCritical(QStringLiteral("此明星知名度过低或根本不存在！"));
        finishQuery();
        return;
    case ForumState::Open:
        break;
    }

    // Each label is written as soon as its figure is cut; a later failure keeps the earlier ones.
    const CelebrityFigures figures = celebrityFigures(MXPageText);
    if (figures.topics)
        ui.lblMX4->setText(kTopicsCaption + *figures.topics + u'#');
    if (figures.posts)
        ui.lblMX3->setText(kPostsCaption + *figures.posts + u'#');
    if (figures.trend)
        ui.lblMX2->setText(kTrendCaption + *figures.trend + u'#');
    if (figures.followers)
        ui.lblMX5->setText(celebrityFollowerCaption(*figures.followers));
    if (!figures.complete)
        showCritical(kNoResult);
    finishQuery();
}

void CelebrityPanel::showCritical(const QString &text)
{
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"), text);
}

void CelebrityPanel::finishQuery()
{
    ui.lblMX6->setText(QStringLiteral("准备就绪"));
    ui.cmdMXCX->setEnabled(true);
    ui.txtMXName->setEnabled(true);
}

} // namespace fendrake
