#include "dialogs/SearchServices.h"

#include <cstdio>

namespace kromelik {

namespace {

constexpr std::array<SearchService, kSearchServiceCount> kServices{{
    {1, "Goolge", "", "www.google.pl", "/search?hl=pl&q=", "&btnG=Szukaj&lr=lang_pl"},
    {2, "Interia", "W portalu ...", "szukaj.interia.pl", "/szukaj?q=", "&s=szukaj&w=pl&szukaj="},
    {3, "Onet", "W portalu ...", "szukaj.onet.pl", "/query.html?qt=", ""},
    {4, "Wirtualna Polska", "W portalu ...", "szukaj.wp.pl", "/szukaj.html?szukaj=", ""},
    {5, "Grupy dyskusyjne", "", "groups.google.pl", "/groups/search?hl=pl&q=", ""},
    {6, "PWN", "Encyklopedia", "encyklopedia.pwn.pl", "/lista.php?begin=", ""},
    {7, "Wikipedia", "Encyklopedia", "pl.wikipedia.org", "/wiki/Specjalna:Search?search=", ""},
    {8, "Wyrazów obcych", "Słownik ...", "slownik-wyrazow-obcych.pwn.pl", "/slowo.php?begin=", ""},
    {9, "Ortograficzny", "Słownik ...", "so.pwn.pl", "/lista.php?begin=", ""},
    {10, "Języka polskiego", "Słownik ...", "sjp.pwn.pl", "/lista.php?begin=", ""},
    {11, "O2", "W portalu ...", "szukaj.o2.pl", "/search?nm=25&st=0&zet=o200&qt=", "&x=37&y=14"},
    {12, "Altavista", "W portalu ...", "www.altavista.com", "/web/results?itag=ody&q=",
     "&kgs=0&kls=0"},
    {13, "Stopklatka - Internetowy serwis filmowy", "Film i muzyka", "www.stopklatka.pl",
     "/szukaj/szukaj.asp?szukaj=", "&kategoria=film"},
    {14, "Napisy do filmów i seriali", "Film i muzyka", "www.napisy.org", "/SzukajTytulow.php?t=",
     ""},
    {15, "Filmy", "Film i muzyka", "movies.katz.cd", "/search/", ""},
    {16, "Muzyka", "Film i muzyka", "music.katz.cd", "/search/", ""},
    {17, "Allegro", "Aukcje", "allegro.pl", "/search.php?string=", ""},
    {18, "e-Bay", "Aukcje", "search.ebay.pl",
     "/search/search.dll?cgiurl=http%3A%2F%2Fcgi.ebay.pl%2Fws%2F&fkr=1&from=R8&satitle=",
     "&category0="},
    {19, "IDG", "Programy", "www.idg.pl", "/szukaj/szukaj_new.asp?qr=", "&sc=Fpix"},
    {20, "Panorama Firm", "", "www.panoramafirm.pl",
     "/portal/YPSimpleSearch?referee=&pageaction=&finaction=YpSearchS&keyword=", "&city="},
    {21, "Katz - programy", "Programy", "apps.katz.cd", "/search/", ""},
}};

struct PolishLetter {
  std::string_view capital;
  std::string_view small;
  std::string_view escaped;
};

// In the order the letters were always compared.
constexpr PolishLetter kPolishLetters[] = {
    {"Ę", "ę", "%C4%99"}, {"Ó", "ó", "%C3%B3"}, {"Ą", "ą", "%C4%85"},
    {"Ś", "ś", "%C5%9B"}, {"Ł", "ł", "%C5%82"}, {"Ż", "ż", "%C5%BC"},
    {"Ź", "ź", "%C5%BA"}, {"Ć", "ć", "%C4%87"}, {"Ń", "ń", "%C5%84"},
};

bool KeptAsItIs(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c == '~';
}

}  // namespace

const std::array<SearchService, kSearchServiceCount>& SearchServices() { return kServices; }

const SearchService* SearchServiceOf(int engine) {
  if (engine < 1 || engine > kSearchServiceCount) return nullptr;
  return &kServices[static_cast<std::size_t>(engine - 1)];
}

std::string EncodeSearchPhrase(std::string_view phrase) {
  std::string encoded;
  encoded.reserve(phrase.size() * 3);
  std::size_t at = 0;
  while (at < phrase.size()) {
    const std::string_view rest = phrase.substr(at);
    const PolishLetter* letter = nullptr;
    for (const PolishLetter& polish : kPolishLetters)
      if (rest.starts_with(polish.capital) || rest.starts_with(polish.small)) {
        letter = &polish;
        break;
      }
    if (letter != nullptr) {
      encoded += letter->escaped;
      at += letter->small.size();  // both forms are two bytes long in UTF-8
      continue;
    }
    const char c = phrase[at++];
    if (c == ' ') {
      encoded += '+';
    } else if (KeptAsItIs(c)) {
      encoded += c;
    } else {
      // Byte by byte: a letter beyond ASCII is its UTF-8 bytes, each escaped.
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
      encoded += escape;
    }
  }
  return encoded;
}

std::optional<std::string> BuildSearchUrl(std::string_view phrase, int engine) {
  const SearchService* service = SearchServiceOf(engine);
  if (service == nullptr) return std::nullopt;
  std::string address = "http://";
  address += service->host;
  address += service->prefix;
  address += EncodeSearchPhrase(phrase);
  address += service->suffix;
  return address;
}

}  // namespace kromelik
