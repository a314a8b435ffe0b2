# Writes the service worker for the site folder SITE: the list of the page's files and a
# stamp made of their contents, so that any change to the page makes browsers fetch it anew.
#   cmake -DSITE=... -DTEMPLATE=... -P stamp_service_worker.cmake
file(GLOB_RECURSE site_files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM site_files sw.js)
list(SORT site_files)
set(contents "")
set(file_list "\"./\"")
foreach(site_file ${site_files})
  file(SHA256 ${SITE}/${site_file} file_hash)
  string(APPEND contents "${site_file}:${file_hash}\n")
  string(APPEND file_list ", \"${site_file}\"")
endforeach()
string(SHA256 stamp "${contents}")
string(SUBSTRING ${stamp} 0 16 ZORBEL_SITE_STAMP)
set(ZORBEL_SITE_FILE_LIST "${file_list}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
