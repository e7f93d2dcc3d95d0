#include "common/DefaultFileTypes.h"

#include <array>

namespace {

constexpr std::array<const char*, 5> kExcludedTypes = {"bak", "nt", "old", "org", "sav"};
constexpr std::array<const char*, 172> kIncludedTypes = {
    "doc",        "pdf",       "acp",     "adm",    "adp",    "aff",    "asd",      "asp",    "aspx",
    "asx",        "avp",       "avs",     "backup", "bar",    "bat",    "boot",     "btl",    "c",
    "cc",         "cch",       "cfg",     "chs",    "cht",    "cmd",    "cnf",      "config", "cp1250",
    "cp1251",     "cp1253",    "cp1254",  "cp1256", "cp1257", "cpp",    "cpx",      "css",    "ctl",
    "cxx",        "dbx",       "default", "dep",    "deu",    "dic",    "divl",     "diz",    "dlg",
    "dmc",        "dsk",       "dsp",     "dsw",    "dtd",    "dtdxml", "dun",      "elm",    "eng",
    "enu",        "ext",       "exv",     "fal",    "fra",    "gst",    "h",        "hhk",    "hi",
    "hkf",        "hpp",       "hta",     "htm",    "html",   "htt",    "htx",      "hxx",    "ibt",
    "icw",        "in",        "inc",     "inf",    "ini",    "inl",    "ion",      "iqy",    "ipp",
    "isp",        "iqy",       "ja",      "jam",    "java",   "jcf",    "js",       "ko",     "lks",
    "log",        "m",         "m3u",     "mab",    "mac",    "mak",    "manifest", "mf",     "mfl",
    "mi",         "milk",      "mnu",     "mof",    "mso",    "msc",    "nav",      "noext",  "obe",
    "osd",        "pattern",   "pbk",     "php",    "pl",     "po",     "policy",   "ppa",    "pro",
    "properties", "prx",       "py",      "q1",     "rat",    "rc",     "rdf",      "reg",    "rep",
    "rgs",        "rh",        "rpt",     "rsp",    "ru",     "sam",    "scf",      "scp",    "sep",
    "sgml",       "sh",        "shp",     "shtml",  "sln",    "sps",    "src",      "sql",    "stl",
    "stx",        "tab",       "tar",     "tbl",    "th",     "theme",  "toc",      "txt",    "uis",
    "uml",        "uninstall", "url",     "v2",     "vbs",    "vcproj", "ver",      "vmd",    "vsdir",
    "wdl",        "wpl",       "we",      "wul",    "xml",    "xnf",    "xsl",      "xul",    "y",
    "yy"};
constexpr std::array<const char*, 215> kKnownTypes = {
    "exe",   "com", "zip",  "rtf", "323",  "386",  "669", "aac",   "acl", "acg", "acm",  "acs", "aff", "ani",
    "ann",   "ape", "api",  "apl", "aps",  "arj",  "asf", "avc",   "avi", "aw",  "ax",   "bdr", "bin", "bmp",
    "bmk",   "box", "btr",  "cab", "cat",  "cgm",  "chm", "chi",   "chk", "chq", "chw",  "clb", "cls", "cnv",
    "cnt",   "col", "cpf",  "cpi", "cpl",  "crt",  "cur", "ctm",   "dar", "dat", "data", "db",  "dbf", "dbl",
    "dct",   "dib", "dif",  "div", "divx", "dll_", "dll", "dls",   "dmp", "dot", "dps",  "drv", "ds",  "edb",
    "eps",   "esn", "evt",  "ex_", "exd",  "fal",  "flt", "fnt",   "fon", "fpx", "ftg",  "fts", "gid", "gif",
    "gra",   "gz",  "hdmp", "hdr", "hlp",  "idb",  "icm", "icns",  "ico", "id",  "ilc",  "ild", "ilf", "ils",
    "ime",   "ind", "inx",  "isu", "ita",  "jar",  "jpg", "jpeg",  "key", "lex", "lib",  "lic", "ldo", "lng",
    "lnk",   "lxa", "maki", "map", "mar",  "mda",  "mdb", "mde",   "mdt", "mdw", "mdmp", "mid", "mmc", "mpeg",
    "mp3",   "mpa", "mpg",  "msg", "msi",  "nch",  "nld", "nlp",   "nls", "nws", "obj",  "ocx", "olb", "opt",
    "otf",   "pf",  "pfb",  "pfm", "pif",  "pip",  "pnf", "png",   "pot", "ppa", "pps",  "ppt", "prc", "prf",
    "query", "ram", "rar",  "rll", "rom",  "scc",  "scr", "sdb",   "sdf", "sec", "sfx",  "shw", "sig", "skin",
    "sll",   "spd", "sst",  "suo", "sy_",  "sys",  "sve", "swf",   "tbd", "tdh", "tds",  "tga", "tgz", "tiff",
    "tlb",   "ttf", "trm",  "tsk", "tsp",  "ttf",  "uce", "vsdir", "vwp", "vx_", "vxd",  "wa~", "wab", "wac",
    "wav",   "wb2", "wb4",  "wiz", "wk4",  "wma",  "wmf", "wmv",   "wmz", "wpc", "wpd",  "wpg", "ww3", "xla",
    "xpi",   "xll", "xpt",  "xls", "xlt"};

} // namespace

std::span<const char* const> DefaultIncludedTypes() {
    return kIncludedTypes;
}
std::span<const char* const> DefaultExcludedTypes() {
    return kExcludedTypes;
}
std::span<const char* const> DefaultKnownTypes() {
    return kKnownTypes;
}
