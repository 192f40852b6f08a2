#include "Img.h"

#include <QImageReader>

#include "KestDC.h"
#include "PathHelpers.h"

namespace {
int g_liveImages = 0;
}

CImg::CImg() { ++g_liveImages; }

CImg::~CImg() { --g_liveImages; }

int CImg::LiveCount() { return g_liveImages; }

int CImg::Load(const QString& path) {
    if (bLoaded && path == strPath) return -1;
    Free();
    strPath = path;
    if (!PathExists(path)) return -2;
    // A file that does not decode leaves an empty picture that draws nothing.
    pImage = std::make_unique<QImage>(path);
    szImg = pImage->isNull() ? QSize(0, 0) : pImage->size();
    bLoaded = true;
    return 0;
}

void CImg::Free() {
    pImage.reset();
    bLoaded = false;
    szImg = QSize(0, 0);
}

QRect CImg::FittedRect(const QRect& rc) const {
    if (szImg.width() <= 0 || szImg.height() <= 0) return QRect(rc.topLeft(), QSize(0, 0));
    const double sx = static_cast<double>(rc.width()) / szImg.width();
    const double sy = static_cast<double>(rc.height()) / szImg.height();
    const double scale = sx < sy ? sx : sy;
    const int w = static_cast<int>(szImg.width() * scale);
    const int h = static_cast<int>(szImg.height() * scale);
    int x = rc.left();
    int y = rc.top();
    const int freeX = rc.width() - w;
    const int freeY = rc.height() - h;
    if (nAlign & ALIGN_RIGHT) x += freeX;
    if (nAlign & ALIGN_CENTER) {
        x += freeX / 2;
        y += freeY / 2;
    }
    if (nAlign & ALIGN_BOTTOM) y += freeY;
    return QRect(x, y, w, h);
}

int CImg::Draw(kest::CKestDC& dc, const QRect& rc, bool fit) {
    if (!bLoaded) return -1;
    if (pImage && !pImage->isNull()) dc.DrawImage(fit ? FittedRect(rc) : rc, *pImage);
    return 0;
}

int CImg::DrawOwnSize(kest::CKestDC& dc, const QRect& rc) {
    return Draw(dc, QRect(rc.topLeft(), szImg), false);
}
