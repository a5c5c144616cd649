# Wraps the teacher's guide, written as a fragment the page embeds, into a page of its own that
# prints well, its worksheet (the last section) on a page of its own:
# cmake -DFRAGMENT=docs/guida-insegnante.html -DGUIDE=out.html -P cmake/guide.cmake
file(READ ${FRAGMENT} body)
if(NOT body MATCHES "^<h2>([^<]+)</h2>")
  message(FATAL_ERROR "${FRAGMENT} must begin with its <h2> title")
endif()
set(title "${CMAKE_MATCH_1} – Ricattura")
file(WRITE ${GUIDE} "<!DOCTYPE html>
<html lang=\"it\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${title}</title>
<style>
  body { font-family: \"Liberation Sans\", Arial, sans-serif; line-height: 1.45; max-width: 46em;
         margin: 2em auto; padding: 0 1em; color: #000; background: #fff; }
  h2 { font-size: 1.6em; }
  h3 { margin-top: 1.6em; break-after: avoid; }
  table { border-collapse: collapse; margin: 1em 0; break-inside: avoid; }
  caption { font-weight: bold; text-align: left; padding-bottom: 0.3em; }
  th, td { border: 1px solid #444; padding: 0.3em 0.6em; text-align: left; vertical-align: top; }
  td:empty { min-width: 6em; }
  code { font-size: 0.95em; overflow-wrap: anywhere; }
  th code { white-space: nowrap; }  /* a trick's name heads its row whole */
  dt { font-weight: bold; margin-top: 0.6em; }
  dd { margin-left: 1.5em; }
  aside { border: 2px solid #444; padding: 0 1em; margin: 1.6em 0; }
  aside h3 { margin-top: 0.8em; }
  /* The worksheet: room to write by hand in every cell, a sans-serif face of 12 points on paper. */
  .scheda td { height: 2.1em; }
  .scheda th[scope=row] { width: 45%; }
  @media print {
    body { margin: 0; max-width: none; font-size: 11pt; }
    aside { break-inside: avoid; }
    .scheda { break-before: page; font-size: 12pt; }
    .scheda h3 { margin-top: 0; }
    .scheda table { width: 100%; }
  }
</style>
</head>
<body>
<main>
${body}</main>
</body>
</html>
")
