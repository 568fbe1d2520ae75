// The Skin/ files as the wizard loads them: right format, size and frame
// layout, and the yellow colour key exactly where shapes are cut away.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

constexpr QRgb kKey = 0xFFFFFF00;

enum class Cut {
    None,       // a plain picture: no key pixel anywhere
    Outline,    // one shaped face: key in the corners, none in the middle
    EachFrame,  // a strip of shaped frames: each frame's corners keyed
};

struct Picture {
    const char* name;
    int frameWidth;
    int height;
    int frames;
    Cut cut;
    QRect calm;  // where a widget draws text: light and nearly plain
};

const Picture kPictures[] = {
    {"dlgMainUI.bmp", 653, 501, 1, Cut::Outline, {468, 31, 148, 24}},
    {"DlgMessageBox.bmp", 492, 120, 1, Cut::Outline, {91, 8, 348, 80}},
    {"en/link_error.bmp", 507, 159, 1, Cut::Outline, {210, 122, 91, 35}},
    {"cn/link_error.bmp", 507, 159, 1, Cut::Outline, {210, 122, 91, 35}},
    {"Background1.bmp", 651, 345, 1, Cut::None, {316, 0, 335, 345}},
    {"Background2.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 74}},
    {"Background3.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 64}},
    {"en/Setup1.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 74}},
    {"en/Setup2.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 74}},
    {"en/Setup3.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 74}},
    {"en/Setup4.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 74}},
    {"cn/Setup1.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 74}},
    {"cn/Setup2.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 74}},
    {"cn/Setup3.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 74}},
    {"cn/Setup4.bmp", 651, 345, 1, Cut::None, {2, 0, 649, 74}},
    {"MsgBox_1.bmp", 64, 64, 1, Cut::None, {}},
    {"MsgBox_2.bmp", 64, 64, 1, Cut::None, {}},
    {"MsgBox_3.bmp", 64, 64, 1, Cut::None, {}},
    {"CommonButton.bmp", 75, 23, 4, Cut::EachFrame, {}},
    {"CommonButton_Little.bmp", 57, 21, 4, Cut::EachFrame, {}},
    {"Button_RestoreDefault.bmp", 138, 23, 4, Cut::EachFrame, {}},
    {"btnCheck_Default.bmp", 16, 16, 6, Cut::EachFrame, {}},
    {"progress1.png", 458, 135, 1, Cut::None, {98, 18, 268, 46}},
    {"progress2.png", 458, 135, 1, Cut::None, {98, 18, 268, 46}},
    {"progress3.png", 458, 135, 1, Cut::None, {98, 18, 268, 46}},
    {"progress4.png", 458, 135, 1, Cut::None, {98, 18, 268, 46}},
    {"progress5.png", 458, 135, 1, Cut::None, {98, 18, 268, 46}},
};

QString SkinPath(const char* name) {
    return QStringLiteral(QELVANE_TEST_BIN_DIR "/Skin/") + QLatin1String(name);
}

QByteArray ReadAll(const char* name) {
    QFile file(SkinPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T>
T At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

// An antialiased edge blended into the key would show as a yellow fringe.
bool IsYellowBlend(QRgb pixel) {
    return pixel != kKey && qRed(pixel) >= 230 && qGreen(pixel) >= 230 && qBlue(pixel) <= 60;
}

std::string TestName(const char* fileName) {
    std::string name(fileName);
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

class SkinPictureTest : public ::testing::TestWithParam<Picture> {};

TEST_P(SkinPictureTest, HasItsFormatSizeFramesAndColourKey) {
    const Picture& picture = GetParam();
    const QByteArray bytes = ReadAll(picture.name);
    ASSERT_FALSE(bytes.isEmpty()) << "missing " << picture.name;
    const int width = picture.frameWidth * picture.frames;

    if (QByteArray(picture.name).endsWith(".bmp")) {
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(At<quint32>(bytes, 2), static_cast<quint32>(bytes.size()));
        EXPECT_EQ(At<qint32>(bytes, 18), width);
        EXPECT_EQ(At<qint32>(bytes, 22), picture.height);  // positive: bottom-up rows
        EXPECT_EQ(At<quint16>(bytes, 28), 24);
        EXPECT_EQ(At<quint32>(bytes, 30), 0u);  // not compressed
    }

    const QImage image = QImage::fromData(bytes);
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(width, picture.height));
    EXPECT_FALSE(image.hasAlphaChannel());

    int keyed = 0;
    int fringe = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            keyed += pixel == kKey;
            fringe += IsYellowBlend(pixel);
        }
    }
    EXPECT_EQ(fringe, 0) << "pixels almost but not exactly the key colour";

    if (!picture.calm.isNull()) {
        int darkest = 255;
        int lightest = 0;
        for (int y = picture.calm.top(); y <= picture.calm.bottom(); ++y) {
            for (int x = picture.calm.left(); x <= picture.calm.right(); ++x) {
                const int grey = qGray(image.pixel(x, y));
                darkest = std::min(darkest, grey);
                lightest = std::max(lightest, grey);
            }
        }
        EXPECT_GE(darkest, 200) << "something drawn where a widget puts its text";
        EXPECT_LE(lightest - darkest, 40);
    }
    if (picture.cut == Cut::None) {
        EXPECT_EQ(keyed, 0) << "a plain picture would get holes";
        return;
    }
    for (int frame = 0; frame < picture.frames; ++frame) {
        SCOPED_TRACE(frame);
        const int left = frame * picture.frameWidth;
        const int right = left + picture.frameWidth - 1;
        const int bottom = picture.height - 1;
        EXPECT_EQ(image.pixel(left, 0), kKey);
        EXPECT_EQ(image.pixel(right, 0), kKey);
        EXPECT_EQ(image.pixel(left, bottom), kKey);
        EXPECT_EQ(image.pixel(right, bottom), kKey);
        EXPECT_NE(image.pixel(left + picture.frameWidth / 2, picture.height / 2), kKey);
        // The straight edges stay part of the shape.
        EXPECT_NE(image.pixel(left, picture.height / 2), kKey);
        EXPECT_NE(image.pixel(right, picture.height / 2), kKey);
    }
}

INSTANTIATE_TEST_SUITE_P(Skin, SkinPictureTest, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<Picture>& info) {
                             return TestName(info.param.name);
                         });

// The signs are drawn over the message box face, so their ground must be the
// face's own colour or a square shows around them.
TEST(SkinFaceTest, MessageBoxSignsShareTheFaceColour) {
    const QImage face(SkinPath("DlgMessageBox.bmp"));
    ASSERT_FALSE(face.isNull());
    const QRgb panel = face.pixel(44, 52);  // where the sign is placed
    for (const char* name : {"MsgBox_1.bmp", "MsgBox_2.bmp", "MsgBox_3.bmp"}) {
        const QImage sign(SkinPath(name));
        ASSERT_FALSE(sign.isNull()) << name;
        EXPECT_EQ(sign.pixel(0, 0), panel) << name;
        EXPECT_EQ(sign.pixel(63, 63), panel) << name;
    }
}

struct IconFile {
    const char* name;
    quint16 type;  // 1 icon, 2 cursor
    QList<int> sizes;
};

const IconFile kIconFiles[] = {
    {"logo.ico", 1, {16, 32, 48, 256}},
    {"RadioCheck.cur", 2, {32}},
    {"RadioUnCheck.cur", 2, {32}},
};

class SkinIconTest : public ::testing::TestWithParam<IconFile> {};

TEST_P(SkinIconTest, DirectoryEntriesPointAtReadablePictures) {
    const IconFile& icon = GetParam();
    const QByteArray bytes = ReadAll(icon.name);
    ASSERT_GE(bytes.size(), 6) << "missing " << icon.name;
    EXPECT_EQ(At<quint16>(bytes, 0), 0);
    EXPECT_EQ(At<quint16>(bytes, 2), icon.type);
    ASSERT_EQ(At<quint16>(bytes, 4), icon.sizes.size());

    for (int i = 0; i < icon.sizes.size(); ++i) {
        SCOPED_TRACE(i);
        const int entry = 6 + 16 * i;
        ASSERT_GE(bytes.size(), entry + 16);
        const int size = icon.sizes[i];
        EXPECT_EQ(static_cast<quint8>(bytes[entry]), size & 0xFF);  // 256 is stored as 0
        EXPECT_EQ(static_cast<quint8>(bytes[entry + 1]), size & 0xFF);
        const quint16 planesOrHotspotX = At<quint16>(bytes, entry + 4);
        const quint16 bitsOrHotspotY = At<quint16>(bytes, entry + 6);
        if (icon.type == 2) {
            EXPECT_LT(planesOrHotspotX, size);
            EXPECT_LT(bitsOrHotspotY, size);
        } else {
            EXPECT_EQ(planesOrHotspotX, 1);
            EXPECT_EQ(bitsOrHotspotY, 32);
        }
        const quint32 length = At<quint32>(bytes, entry + 8);
        const quint32 offset = At<quint32>(bytes, entry + 12);
        ASSERT_LE(qint64(offset) + length, bytes.size());
        const QByteArray payload = bytes.mid(offset, length);
        if (payload.startsWith("\x89PNG")) {
            EXPECT_EQ(QImage::fromData(payload).size(), QSize(size, size));
        } else {
            // A DIB: doubled height for the AND mask, 32 bits, colour rows and mask rows.
            EXPECT_EQ(At<qint32>(payload, 4), size);
            EXPECT_EQ(At<qint32>(payload, 8), size * 2);
            EXPECT_EQ(At<quint16>(payload, 14), 32);
            const int maskStride = (size + 31) / 32 * 4;
            EXPECT_EQ(payload.size(), 40 + size * size * 4 + maskStride * size);
        }
    }

    QImageReader reader(SkinPath(icon.name), "ico");
    EXPECT_EQ(reader.imageCount(), icon.sizes.size());
    const QImage first = reader.read();
    EXPECT_EQ(first.size(), QSize(icon.sizes[0], icon.sizes[0])) << reader.errorString().toStdString();
    EXPECT_TRUE(first.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P(Skin, SkinIconTest, ::testing::ValuesIn(kIconFiles),
                         [](const ::testing::TestParamInfo<IconFile>& info) {
                             return TestName(info.param.name);
                         });

}  // namespace
