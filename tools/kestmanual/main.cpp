// kestmanual IN.html OUT.pdf DIR...: renders a manual to an A4 PDF with Qt's
// own PDF writer (fonts embedded), titled with the HTML's <title>. Pictures are
// looked up in the DIRs, in that order. A picture that is not there fails the
// run (and removes OUT.pdf): Qt would otherwise lay out an unusable manual.
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

namespace {

class CManualDocument : public QTextDocument {
public:
    explicit CManualDocument(QStringList dirs) : m_dirs(std::move(dirs)) {}

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource) {
            for (const QString& dir : m_dirs) {
                const QString path = QDir(dir).filePath(name.toString());
                if (QFile::exists(path)) return QImage(path);
            }
            std::fprintf(stderr, "kestmanual: picture %s not found\n", qPrintable(name.toString()));
            m_missing = true;
        }
        return QTextDocument::loadResource(type, name);
    }

public:
    bool m_missing = false;

private:
    QStringList m_dirs;
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: kestmanual IN.html OUT.pdf PICTURE_DIR...\n");
        return 64;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kestmanual: cannot read %s\n", argv[1]);
        return 1;
    }
    QStringList dirs;
    for (int i = 3; i < argc; ++i) dirs << QString::fromLocal8Bit(argv[i]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(QFileInfo(out).path());
    QPdfWriter pdf(out);
    pdf.setCreator(QStringLiteral("KestLoad"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    // At 96 dpi the pictures' pixel widths in the text read as on screen; the
    // text itself stays vector.
    pdf.setResolution(96);
    CManualDocument doc(dirs);
    doc.documentLayout()->setPaintDevice(&pdf);
    QFont base(QStringLiteral("NanumGothic"));
    base.setPointSizeF(10);
    doc.setDefaultFont(base);
    doc.setPageSize(QSizeF(pdf.width(), pdf.height()));
    doc.setHtml(QString::fromUtf8(in.readAll()));
    pdf.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    QPainter painter(&pdf);
    const int pages = doc.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0) pdf.newPage();
        painter.save();
        painter.translate(0, -page * doc.pageSize().height());
        doc.drawContents(&painter, QRectF(0, page * doc.pageSize().height(), doc.pageSize().width(),
                                          doc.pageSize().height()));
        painter.restore();
    }
    painter.end();
    if (doc.m_missing) {
        QFile::remove(out);
        return 1;
    }
    return QFile::exists(out) ? 0 : 1;
}
