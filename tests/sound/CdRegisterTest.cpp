#include "sound/CdRegister.h"
#include "sound/DiscToc.h"

#include "base/Cp932.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;

namespace {
DiscToc twoTracks(int second = 150, int leadOut = 225) {
    DiscToc toc;
    toc.tracks = {{0, second, true}, {second, leadOut, true}};
    toc.leadOut = leadOut;
    return toc;
}
} // namespace

TEST(DiscIdentity, StableShortAndDifferentForAnotherDisc) {
    const std::string id = discIdentity(twoTracks());
    EXPECT_EQ(id, discIdentity(twoTracks()));
    EXPECT_LE(id.size(), 19u);
    EXPECT_EQ(id.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_NE(id, discIdentity(twoTracks(151)));
    EXPECT_NE(id, discIdentity(twoTracks(150, 226)));
    DiscToc data = twoTracks();
    data.tracks[1].audio = false;
    EXPECT_NE(id, discIdentity(data));
}

TEST(DiscIdentity, AudioSpansLeaveDataTracksOut) {
    DiscToc toc;
    toc.tracks = {{0, 100, true}, {100, 200, true}, {200, 300, false}, {300, 350, true}};
    toc.leadOut = 350;
    auto spans = audioSpans(toc);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].first, 0);
    EXPECT_EQ(spans[0].end, 200);
    EXPECT_EQ(spans[1].first, 300);
    EXPECT_EQ(spans[1].end, 350);
    toc.tracks = {{0, 500, false}};
    EXPECT_TRUE(audioSpans(toc).empty());
}

TEST(CdRegister, AnUnknownDiscIsNewAndARegisteredOneHasItsTexts) {
    test::TempDir dir;
    CdRegister cds(dir.path());
    const std::string id = "0123456789ABCDEF";
    DiscTitle unknown = cds.lookUp(id);
    EXPECT_FALSE(unknown.registered);
    EXPECT_EQ(unknown.title, sj("新しい音楽ＣＤ"));
    EXPECT_EQ(unknown.artist, sj("新しい歌手"));

    ASSERT_TRUE(cds.enter(id, sj("冬のうた"), sj("歌手=A")));
    const std::string idLine = id + "=" + id;
    const std::string section = "[" + id + "]";
    const std::string artist = "Artist=" + sj("歌手=A");
    const std::string title = "Title=" + sj("冬のうた");
    EXPECT_EQ(slurp(dir.file("CDInfo.ini")), crlf({"[CDID]", idLine, "", section, artist, title}));
    DiscTitle known = cds.lookUp(id);
    EXPECT_TRUE(known.registered);
    EXPECT_EQ(known.title, sj("冬のうた"));
    EXPECT_EQ(known.artist, sj("歌手=A"));
}

TEST(CdRegister, ATitleSectionWithoutTheMarkIsNotRegistered) {
    test::TempDir dir;
    test::spit(dir.file("CDInfo.ini"), "[CDID]\r\nAAAA=BBBB\r\n[AAAA]\r\nTitle=x\r\nArtist=y\r\n");
    CdRegister cds(dir.path());
    EXPECT_FALSE(cds.lookUp("AAAA").registered);
    EXPECT_EQ(cds.lookUp("AAAA").title, sj("新しい音楽ＣＤ"));
    EXPECT_FALSE(cds.lookUp("").registered);
}

TEST(CdRegister, AFileThatCannotBeWrittenIsReportedAndKept) {
    test::TempDir dir;
    qor::test::spit(dir.file("CDInfo.ini"), "[CDID]\r\n");
    test::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active()) GTEST_SKIP() << "no read-only folder here";
    FileStatus status = CdRegister(dir.path()).enter("AB", "t", "a");
    readOnly.release();
    EXPECT_FALSE(status);
    EXPECT_EQ(status.path(), dir.file("CDInfo.ini"));
    EXPECT_EQ(slurp(dir.file("CDInfo.ini")), "[CDID]\r\n");
}
