# The layers of the source tree, in one table: each folder of src/ (ui/<name>
# for the Qt forms, import for tools/import) and the folders its files may
# include from, besides its own. "Qt" stands for the Qt headers. The table
# must have no cycles; the build checks that at configure time, and the test
# Layering.IncludesFollowTheTable fails on any include against it.
#
# A new folder under src/ must be added here before it is compiled: the core
# library is made from the folders this table names (those that are neither
# ui/<name>, app nor import).
#
# Read from the bottom: every folder stands above the folders it names.
set(ORV_LAYERS
  "platform:"
  "datastore:   platform"
  "model:       datastore platform"
  "config:      model datastore platform"
  "build:       model datastore platform"
  "archive:     build model datastore platform"
  "cite:        model datastore platform"
  "kjv:         cite model datastore platform"
  "interlinear: config model datastore platform"
  "page:        interlinear kjv cite config build model datastore platform"
  "reference:   config model datastore platform"
  "search:      page interlinear kjv cite config build model datastore platform"
  "edit:        search page interlinear kjv cite config build model datastore platform"
  "prefs:       page interlinear kjv cite archive config build model datastore platform"
  "session:     prefs edit search reference page interlinear kjv cite archive config build model
                datastore platform"
  "import:      archive build model datastore platform"
  "ui/platform: reference model platform Qt"
  "ui/build:    ui/platform build model datastore platform Qt"
  "ui/reference: ui/platform reference config model datastore platform Qt"
  "ui/search:   ui/reference ui/platform search page interlinear kjv cite config build model
                datastore platform Qt"
  "ui/edit:     ui/platform edit search page interlinear kjv cite config build model datastore
                platform Qt"
  "ui/prefs:    ui/platform prefs page interlinear kjv cite archive config build model datastore
                platform Qt"
  "ui/main:     ui/prefs ui/edit ui/search ui/reference ui/build ui/platform session prefs edit
                search reference page interlinear kjv cite archive config build model datastore
                platform Qt"
  "app:         ui/main ui/prefs ui/edit ui/search ui/reference ui/build ui/platform import session
                prefs edit search reference page interlinear kjv cite archive config build model
                datastore platform Qt")

# orv_parse_layers(): sets ORV_LAYER_NAMES (in table order) and, for each
# name N, ORV_LAYER_DEPS_<N> (with "/" written as "_").
macro(orv_parse_layers)
  set(ORV_LAYER_NAMES "")
  foreach(row IN LISTS ORV_LAYERS)
    string(REGEX MATCH "^([a-z_/]+):(.*)$" _ "${row}")
    set(_name "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "[ \t\r\n]+" ";" _deps "${CMAKE_MATCH_2}")
    list(REMOVE_ITEM _deps "")
    list(APPEND ORV_LAYER_NAMES "${_name}")
    string(REPLACE "/" "_" _key "${_name}")
    set(ORV_LAYER_DEPS_${_key} "${_deps}")
  endforeach()
endmacro()

# orv_check_layer_table(): fails when a row names an unknown folder or the
# rows form a cycle (peels off folders whose dependencies are all peeled).
function(orv_check_layer_table)
  orv_parse_layers()
  set(known ${ORV_LAYER_NAMES} Qt)
  foreach(name IN LISTS ORV_LAYER_NAMES)
    string(REPLACE "/" "_" key "${name}")
    foreach(dep IN LISTS ORV_LAYER_DEPS_${key})
      if(NOT dep IN_LIST known)
        message(FATAL_ERROR "layer table: ${name} names the unknown folder ${dep}")
      endif()
    endforeach()
  endforeach()
  set(left ${ORV_LAYER_NAMES})
  set(done Qt)
  while(left)
    set(progress FALSE)
    foreach(name IN LISTS left)
      string(REPLACE "/" "_" key "${name}")
      set(ready TRUE)
      foreach(dep IN LISTS ORV_LAYER_DEPS_${key})
        if(NOT dep IN_LIST done)
          set(ready FALSE)
        endif()
      endforeach()
      if(ready)
        list(APPEND done "${name}")
        list(REMOVE_ITEM left "${name}")
        set(progress TRUE)
      endif()
    endforeach()
    if(NOT progress)
      message(FATAL_ERROR "layer table: a cycle among ${left}")
    endif()
  endwhile()
endfunction()

# orv_layer_dir(<name> <var>): the folder of a layer, relative to the repository.
function(orv_layer_dir name var)
  if(name STREQUAL "import")
    set(${var} "tools/import" PARENT_SCOPE)
  else()
    set(${var} "src/${name}" PARENT_SCOPE)
  endif()
endfunction()
