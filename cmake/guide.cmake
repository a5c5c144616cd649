# Wraps the teacher's guide, written as a fragment the page embeds, into a page of its own that
# prints well: cmake -DFRAGMENT=docs/guida-insegnante.html -DGUIDE=out.html -P cmake/guide.cmake
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
  @media print { body { margin: 0; max-width: none; font-size: 11pt; } }
</style>
</head>
<body>
<main>
${body}</main>
</body>
</html>
")
