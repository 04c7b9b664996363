#pragma once

// The huge clipboard texts of the measurements, made the same way by every
// program that uses them, so that Kestrane and its yardstick read the same
// text. Lines end with line feeds, as a Linux editor copies them.

#include <QString>
#include <QStringView>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

// Two good parents, the lines that every shape of many lines starts with.
inline constexpr QStringView kGoodParents = u"Gene1 a/b\tGene2 c/d\nGene1 c/d\tGene2 e/f\n";

// A text of at least `bytes` characters (all ASCII, so also bytes) in one of
// these shapes:
//   lines   two good parents, then further lines of about 4 KB of entries
//   short   two good parents, then many short lines "x<tab>y"
//   cells   one line of entries "x<tab>", without a line break
//   entry   a first parent whose one entry of `bytes` characters has no slash
//   allele  two parents of three genes, the first with an allele of `bytes`
//           characters: 48 pups, half of them with that allele
inline QString MakeText(const char* shape, qsizetype bytes) {
  QString text;
  text.reserve(bytes + 64);
  if (std::strcmp(shape, "entry") == 0) {
    text += u"Gene1 ";
    text.append(QString(bytes, u'x'));
    text += u"\nGene1 a/b";
    return text;
  }
  if (std::strcmp(shape, "allele") == 0) {
    text += u"Gene1 a/";
    text.append(QString(bytes, u'x'));
    text += u"\tGene2 c/d\tGene3 e/f\nGene1 a/b\tGene2 c/d\tGene3 g/h";
    return text;
  }
  if (std::strcmp(shape, "cells") == 0) {
    while (text.size() < bytes) text += u"x\t";
    return text;
  }
  text += kGoodParents;
  QString line;
  if (std::strcmp(shape, "short") == 0) {
    line = QStringLiteral("x\ty\n");
  } else if (std::strcmp(shape, "lines") == 0) {
    for (int gene = 1; line.size() < 4000; ++gene) line += QStringLiteral("Gene%1 a/b\t").arg(gene);
    line.back() = u'\n';
  } else {
    std::fprintf(stderr, "unknown text shape %s\n", shape);
    std::exit(2);
  }
  while (text.size() < bytes) text += line;
  return text;
}

}  // namespace bench
