#include "report_file.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "report_error.h"
#include "report_texts.h"

namespace report {

namespace {

constexpr char kMagic[] = "NFREPORT";
constexpr int kMagicLength = 8;
constexpr quint32 kFormatVersion = 1;
constexpr int kHeaderLength = kMagicLength + 4 + 8 + 2;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
constexpr qint64 kLargestFile = qint64(1) << 30;

// Thrown inside decoding; turned into the damaged-file message.
struct Damaged {};

void writeArea(QDataStream& out, const Area& a) { out << a.left << a.top << a.width << a.height; }

void writePayload(QDataStream& out, const ReportDocument& document) {
    out << qint32(document.paperWidth) << qint32(document.paperHeight)
        << quint32(document.pages.size());
    for (const Page& page : document.pages) {
        out << quint32(page.bands.size());
        for (const PlacedBand& band : page.bands)
            out << quint8(band.kind) << qint32(band.top) << qint32(band.height);
        out << quint32(page.items.size());
        for (const Primitive& item : page.items) {
            out << quint8(item.kind) << qint32(item.band);
            writeArea(out, item.area);
            writeArea(out, item.clip);
            out << item.text << item.font.family << item.font.pointSize << quint8(item.alignment)
                << qint32(item.line) << qint32(item.textWidth);
        }
    }
}

class PayloadReader {
public:
    explicit PayloadReader(const QByteArray& payload) : in_(payload) {
        in_.setVersion(kStreamVersion);
    }

    ReportDocument read() {
        ReportDocument document;
        document.paperWidth = length();
        document.paperHeight = length();
        if (document.paperWidth <= 0 || document.paperHeight <= 0) throw Damaged{};
        const quint32 pageCount = count();
        for (quint32 p = 0; p < pageCount; ++p) document.pages.push_back(page());
        if (!in_.atEnd()) throw Damaged{};
        return document;
    }

private:
    Page page() {
        Page page;
        const quint32 bandCount = count();
        for (quint32 b = 0; b < bandCount; ++b) {
            PlacedBand band;
            band.kind = enumerated<BandKind>(kBandKindCount);
            band.top = number();
            band.height = length();
            page.bands.push_back(band);
        }
        const quint32 itemCount = count();
        for (quint32 i = 0; i < itemCount; ++i) {
            Primitive item;
            item.kind = enumerated<Primitive::Kind>(3);
            item.band = number();
            if (item.band < -1 || item.band >= static_cast<int>(bandCount)) throw Damaged{};
            item.area = area();
            item.clip = area();
            in_ >> item.text >> item.font.family >> item.font.pointSize;
            checked();
            if (!(item.font.pointSize > 0 && item.font.pointSize < 1000)) throw Damaged{};
            item.alignment = enumerated<BoxAlignment>(3);
            item.line = number();
            item.textWidth = length();
            page.items.push_back(std::move(item));
        }
        return page;
    }

    void checked() {
        if (in_.status() != QDataStream::Ok) throw Damaged{};
    }
    qint32 number() {
        qint32 value = 0;
        in_ >> value;
        checked();
        return value;
    }
    qint32 length() {
        const qint32 value = number();
        if (value < 0) throw Damaged{};
        return value;
    }
    Area area() {
        Area a;
        a.left = number();
        a.top = number();
        a.width = length();
        a.height = length();
        return a;
    }
    // A count can't promise more elements than bytes remain, so a damaged count fails fast.
    quint32 count() {
        quint32 value = 0;
        in_ >> value;
        checked();
        if (value > static_cast<quint64>(in_.device()->bytesAvailable())) throw Damaged{};
        return value;
    }
    template <class Enum>
    Enum enumerated(int valueCount) {
        quint8 value = 0;
        in_ >> value;
        checked();
        if (value >= valueCount) throw Damaged{};
        return static_cast<Enum>(value);
    }

    QDataStream in_;
};

}  // namespace

QByteArray encodeReport(const ReportDocument& document) {
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(kStreamVersion);
        writePayload(out, document);
    }
    QByteArray bytes(kMagic, kMagicLength);
    QDataStream header(&bytes, QIODevice::Append);
    header << kFormatVersion << quint64(payload.size())
           << quint16(qChecksum(QByteArrayView(payload)));
    return bytes + payload;
}

ReportDocument decodeReport(const QByteArray& bytes, const QString& name) {
    if (!bytes.startsWith(QByteArray(kMagic, kMagicLength)))
        throw ReportError(texts::fileForeign.arg(name));
    if (bytes.size() < kHeaderLength) throw ReportError(texts::fileDamaged.arg(name));

    QDataStream header(bytes.mid(kMagicLength, kHeaderLength - kMagicLength));
    quint32 version = 0;
    quint64 payloadLength = 0;
    quint16 checksum = 0;
    header >> version >> payloadLength >> checksum;
    if (version > kFormatVersion) throw ReportError(texts::fileTooNew.arg(name));

    const QByteArray payload = bytes.mid(kHeaderLength);
    if (version == 0 || payloadLength != static_cast<quint64>(payload.size()) ||
        checksum != qChecksum(QByteArrayView(payload)))
        throw ReportError(texts::fileDamaged.arg(name));
    try {
        return PayloadReader(payload).read();
    } catch (const Damaged&) {
        throw ReportError(texts::fileDamaged.arg(name));
    }
}

void saveReportFile(const ReportDocument& document, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeReport(document)) < 0 || !file.commit())
        throw ReportError(texts::fileUnwritable.arg(path, file.errorString()));
}

ReportDocument loadReportFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo::exists(path)) throw ReportError(texts::fileMissing.arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(texts::fileUnreadable.arg(path, file.errorString()));
    if (file.size() > kLargestFile) throw ReportError(texts::fileForeign.arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ReportError(texts::fileUnreadable.arg(path, file.errorString()));
    return decodeReport(bytes, path);
}

}  // namespace report
