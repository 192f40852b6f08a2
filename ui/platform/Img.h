// One picture file, drawn at its own size or fitted into a rectangle.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

#include "KestLoadLibExport.h"

namespace kest {
class CKestDC;
}

class KESTLOADLIB_API CImg {
public:
    enum : unsigned { ALIGN_CENTER = 1, ALIGN_RIGHT = 2, ALIGN_BOTTOM = 8 };

    CImg();
    virtual ~CImg();
    CImg(const CImg&) = delete;
    CImg& operator=(const CImg&) = delete;

    // -1 when this path is already loaded, -2 when the file does not exist
    // (the picture is dropped), 0 when loaded.
    int Load(const QString& path);
    // Fitted with the aspect ratio kept and placed by nAlign, or stretched to
    // the whole rectangle when `fit` is false. -1 when nothing is loaded.
    int Draw(kest::CKestDC& dc, const QRect& rc, bool fit = true);
    // At the picture's own size with its top-left at rc's top-left.
    int DrawOwnSize(kest::CKestDC& dc, const QRect& rc);
    void Free();

    // Where Draw with `fit` puts the picture inside rc.
    QRect FittedRect(const QRect& rc) const;

    // Live objects (the picture library's start/stop count).
    static int LiveCount();

    QString strPath;
    QSize szImg{0, 0};
    bool bLoaded = false;
    unsigned nAlign = 0;
    std::unique_ptr<QImage> pImage;
};
