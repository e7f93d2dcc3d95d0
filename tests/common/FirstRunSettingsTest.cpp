// The settings a first run fills in and writes when no settings file exists.

#include "common/FirstRunSettings.h"
#include "SettingsRecordBytes.h"
#include "common/DefaultFileTypes.h"
#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "support/SharedSettingsGuard.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testsupport;
using TextList = std::deque<std::string>;

namespace {

const TextList kSymbols = {",", ";", "space", "\"", "'", "|", "~", ":", "#",
                           "&", "@", "$",     "<",  ">", ".", "-", "_"};

// The default type lists written out as plain text, apart from the tables in
// the code, so that a lost, added or misspelt entry shows.
const char* const kIncludedText =
    "doc, pdf, acp, adm, adp, aff, asd, asp, aspx, asx, avp, avs, backup, bar, bat, boot, btl, c, "
    "cc, cch, cfg, chs, cht, cmd, cnf, config, cp1250, cp1251, cp1253, cp1254, cp1256, cp1257, cpp, "
    "cpx, css, ctl, cxx, dbx, default, dep, deu, dic, divl, diz, dlg, dmc, dsk, dsp, dsw, dtd, "
    "dtdxml, dun, elm, eng, enu, ext, exv, fal, fra, gst, h, hhk, hi, hkf, hpp, hta, htm, html, "
    "htt, htx, hxx, ibt, icw, in, inc, inf, ini, inl, ion, iqy, ipp, isp, iqy, ja, jam, java, jcf, "
    "js, ko, lks, log, m, m3u, mab, mac, mak, manifest, mf, mfl, mi, milk, mnu, mof, mso, msc, nav, "
    "noext, obe, osd, pattern, pbk, php, pl, po, policy, ppa, pro, properties, prx, py, q1, rat, "
    "rc, rdf, reg, rep, rgs, rh, rpt, rsp, ru, sam, scf, scp, sep, sgml, sh, shp, shtml, sln, sps, "
    "src, sql, stl, stx, tab, tar, tbl, th, theme, toc, txt, uis, uml, uninstall, url, v2, vbs, "
    "vcproj, ver, vmd, vsdir, wdl, wpl, we, wul, xml, xnf, xsl, xul, y, yy";
const char* const kExcludedText = "bak, nt, old, org, sav";
const char* const kKnownText =
    "exe, com, zip, rtf, 323, 386, 669, aac, acl, acg, acm, acs, aff, ani, ann, ape, api, apl, aps, "
    "arj, asf, avc, avi, aw, ax, bdr, bin, bmp, bmk, box, btr, cab, cat, cgm, chm, chi, chk, chq, "
    "chw, clb, cls, cnv, cnt, col, cpf, cpi, cpl, crt, cur, ctm, dar, dat, data, db, dbf, dbl, dct, "
    "dib, dif, div, divx, dll_, dll, dls, dmp, dot, dps, drv, ds, edb, eps, esn, evt, ex_, exd, "
    "fal, flt, fnt, fon, fpx, ftg, fts, gid, gif, gra, gz, hdmp, hdr, hlp, idb, icm, icns, ico, id, "
    "ilc, ild, ilf, ils, ime, ind, inx, isu, ita, jar, jpg, jpeg, key, lex, lib, lic, ldo, lng, "
    "lnk, lxa, maki, map, mar, mda, mdb, mde, mdt, mdw, mdmp, mid, mmc, mpeg, mp3, mpa, mpg, msg, "
    "msi, nch, nld, nlp, nls, nws, obj, ocx, olb, opt, otf, pf, pfb, pfm, pif, pip, pnf, png, pot, "
    "ppa, pps, ppt, prc, prf, query, ram, rar, rll, rom, scc, scr, sdb, sdf, sec, sfx, shw, sig, "
    "skin, sll, spd, sst, suo, sy_, sys, sve, swf, tbd, tdh, tds, tga, tgz, tiff, tlb, ttf, trm, "
    "tsk, tsp, ttf, uce, vsdir, vwp, vx_, vxd, wa~, wab, wac, wav, wb2, wb4, wiz, wk4, wma, wmf, "
    "wmv, wmz, wpc, wpd, wpg, ww3, xla, xpi, xll, xpt, xls, xlt";

TextList ListOfText(const std::string& text) {
    TextList items;
    for (size_t start = 0;;) {
        const size_t comma = text.find(", ", start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 2;
    }
}

size_t CountOf(const TextList& list, const std::string& item) {
    return static_cast<size_t>(std::count(list.begin(), list.end(), item));
}

} // namespace

TEST(FirstRunSettings, FillsTheSymbolListsAndTheFileTypes) {
    SharedSettingsGuard settings;
    ApplyFirstRunDefaults();

    EXPECT_EQ(GetSeparatorList(), kSymbols);
    EXPECT_EQ(GetQuotationMarkList(), kSymbols);
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.*"});

    const TextList included = GetIncludedTypeList();
    ASSERT_EQ(included.size(), 172u);
    EXPECT_EQ(included.front(), "doc");
    EXPECT_EQ(included[1], "pdf");
    EXPECT_EQ(included.back(), "yy");
    EXPECT_EQ(CountOf(included, "iqy"), 2u);

    EXPECT_EQ(GetExcludedTypeList(), (TextList{"bak", "nt", "old", "org", "sav"}));

    const TextList known = GetKnownTypeList();
    ASSERT_EQ(known.size(), 215u);
    EXPECT_EQ(known.front(), "exe");
    EXPECT_EQ(known.back(), "xlt");
    EXPECT_EQ(CountOf(known, "ttf"), 2u);
    EXPECT_EQ(CountOf(known, "wa~"), 1u);
    EXPECT_EQ(CountOf(known, "dll_"), 1u);

    // Every entry is a bare extension: no dot, no blank, nothing empty.
    for (const auto& list : {DefaultIncludedTypes(), DefaultExcludedTypes(), DefaultKnownTypes()})
        for (const char* type : list) {
            const std::string text = type;
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(text.find_first_of(". \t"), std::string::npos) << text;
        }
}

TEST(FirstRunSettings, TheTypeListsHoldEveryEntryInItsPlace) {
    SharedSettingsGuard settings;
    ApplyFirstRunDefaults();
    EXPECT_EQ(GetIncludedTypeList(), ListOfText(kIncludedText));
    EXPECT_EQ(GetExcludedTypeList(), ListOfText(kExcludedText));
    EXPECT_EQ(GetKnownTypeList(), ListOfText(kKnownText));
}

TEST(FirstRunSettings, ReplacesTheSymbolListsButAppendsTheTypes) {
    SharedSettingsGuard settings;
    ReplaceSeparatorList({"old"});
    ReplaceQuotationMarkList({"old"});
    SetIncludedTypeList({"mine"});
    SetFileNamePatternList({"*.txt"});
    ApplyFirstRunDefaults();

    EXPECT_EQ(GetSeparatorList(), kSymbols);
    EXPECT_EQ(GetQuotationMarkList(), kSymbols);
    EXPECT_EQ(GetIncludedTypeList().size(), 173u);
    EXPECT_EQ(GetIncludedTypeList().front(), "mine");
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.txt"});
}

TEST(FirstRunSettings, TheWrittenFileHoldsTheDefaultsAndLoadsBack) {
    SharedSettingsGuard settings;
    DriveSandbox sandbox("C");
    ScriptedDesktop desktop;
    SetStartDirectory("C:\\");
    ApplyFirstRunDefaults();
    {
        SettingsWriter writer("");
        ASSERT_TRUE(writer.Save());
    }

    const std::vector<RawRecord> records = SplitRawRecords(sandbox.Read("C:\\default.set"));
    // 7 texts, 8 numbers and the type-16 pair, 17 + 17 symbols, one pattern,
    // 172 + 5 + 215 types and the end record.
    EXPECT_EQ(records.size(), 7u + 8u + 1u + 34u + 1u + 392u + 1u);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().type, 900);

    SharedSettingsGuard::ResetToStart();
    SetStartDirectory("C:\\");
    SettingsReader reader("");
    reader.ClearAll();
    reader.Load();
    EXPECT_EQ(GetSeparatorList(), kSymbols);
    EXPECT_EQ(GetQuotationMarkList(), kSymbols);
    EXPECT_EQ(GetIncludedTypeList().size(), 172u);
    EXPECT_EQ(GetExcludedTypeList().size(), 5u);
    EXPECT_EQ(GetKnownTypeList().size(), 215u);
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.*"});
    EXPECT_EQ(GetFileNamesModeSelected(), 1);
    EXPECT_EQ(GetAllTypesSelected(), 1);
    EXPECT_EQ(GetFileNamePatternText(), "*.*");
    EXPECT_EQ(GetStartDirectory(), "C:\\");
}
