-- SPDX-License-Identifier: MIT
-- What the bridge asks of Neovim, on the current buffer: the bridge places the text with the
-- kit, this side reads and changes the buffer. Each function is called by the bridge through
-- nvim_exec_lua and answers at once; a save that asks the user for a name answers later, with a
-- "vorrel_saved" notification on the bridge's channel.
local M = {}

local api = vim.api
local namespace = api.nvim_create_namespace("vorrel_host")

-- Per buffer, the extmarks of the last cursor put: where its text ended, and where the cursor
-- was left (in Normal mode the cursor cannot stand past the end of a line).
local cursor_marks = {}

-- A document is a normal buffer that has a file name, that opennewfile made, or that holds
-- HTML. The empty [No Name] buffer Neovim starts with, help, terminals and lists are none.
local function is_document(buf)
  if vim.bo[buf].buftype ~= "" then
    return false
  end
  if api.nvim_buf_get_name(buf) ~= "" or vim.b[buf].vorrel_untitled then
    return true
  end
  local filetype = vim.bo[buf].filetype
  return filetype == "html" or filetype == "xhtml"
end

local function current_document()
  local buf = api.nvim_get_current_buf()
  return is_document(buf) and buf or nil
end

-- Whether the buffer's file ends with a line end when written.
local function ends_with_line_end(buf)
  return vim.bo[buf].eol or (vim.bo[buf].fixeol and not vim.bo[buf].binary)
end

local function is_empty(buf)
  return api.nvim_buf_line_count(buf) == 1 and api.nvim_buf_get_lines(buf, 0, 1, false)[1] == ""
end

-- Where a cursor put goes: before the character under the cursor, as "i" inserts; or where the
-- last cursor put ended, while the cursor still stands where that put left it.
local function insertion_point(buf)
  local cursor = api.nvim_win_get_cursor(0)
  local row, col = cursor[1] - 1, cursor[2]
  local marks = cursor_marks[buf]
  if marks then
    local left = api.nvim_buf_get_extmark_by_id(buf, namespace, marks.left, {})
    local after = api.nvim_buf_get_extmark_by_id(buf, namespace, marks.after, {})
    if left[1] == row and left[2] == col and after[1] then
      return after[1], after[2]
    end
  end
  return row, col
end

-- Puts the cursor after text that was inserted at (row, col) as `lines`.
local function place_cursor(buf, row, col, lines)
  local end_row = row + #lines - 1
  local end_col = (#lines == 1 and col or 0) + #lines[#lines]
  api.nvim_win_set_cursor(0, { end_row + 1, end_col })
  local left = api.nvim_win_get_cursor(0)
  local marks = cursor_marks[buf] or {}
  marks.after = api.nvim_buf_set_extmark(buf, namespace, end_row, end_col,
    { id = marks.after, right_gravity = false })
  marks.left = api.nvim_buf_set_extmark(buf, namespace, left[1] - 1, left[2], { id = marks.left })
  cursor_marks[buf] = marks
end

local calls = {}

-- { document = false } or { document = true, name = the buffer's full path or "" }.
function calls.state()
  local buf = current_document()
  if not buf then
    return { document = false }
  end
  local name = api.nvim_buf_get_name(buf)
  return { document = true, name = name ~= "" and vim.fn.fnamemodify(name, ":p") or "" }
end

function calls.open_new()
  vim.cmd("hide enew")
  vim.b.vorrel_untitled = true
  vim.bo.filetype = "html"
end

-- The current document's lines as they stand at `tick`, or nil without a document.
function calls.snapshot(at_cursor)
  local buf = current_document()
  if not buf then
    return nil
  end
  local snapshot = {
    buf = buf,
    tick = api.nvim_buf_get_changedtick(buf),
    lines = api.nvim_buf_get_lines(buf, 0, -1, false),
    line_end = ends_with_line_end(buf),
    empty = is_empty(buf),
  }
  if at_cursor then
    snapshot.row, snapshot.col = insertion_point(buf)
  end
  return snapshot
end

-- Replaces the text from (start_row, start_col) to (end_row, end_col) by `lines`, or every line
-- when `whole`, as one undo step; false, and nothing changed, when the document is no longer the
-- one of the snapshot at `tick`.
function calls.apply(buf, tick, start_row, start_col, end_row, end_col, lines, whole, at_cursor)
  if current_document() ~= buf or api.nvim_buf_get_changedtick(buf) ~= tick then
    return false
  end
  -- Setting 'undolevels' closes the undo step before, so this change is a step of its own.
  vim.cmd("let &g:undolevels = &g:undolevels")
  if whole then
    api.nvim_buf_set_lines(buf, 0, -1, false, lines)
  else
    api.nvim_buf_set_text(buf, start_row, start_col, end_row, end_col, lines)
  end
  if at_cursor then
    place_cursor(buf, start_row, start_col, lines)
  end
  return true
end

local function write(buf, path)
  local ok, failure = pcall(api.nvim_buf_call, buf, function()
    vim.cmd(path and ("write " .. vim.fn.fnameescape(path)) or "write")
  end)
  if ok then
    return nil
  end
  return "The document was not saved: " .. tostring(failure):gsub("^Vim%(%a+%):", "")
end

-- The answer to the call `id` that asked the user and said { pending = true }.
local function answer_later(id, value)
  local channel = require("vorrel").channel()
  if channel then
    vim.rpcnotify(channel, "vorrel_answer", id, value == nil and vim.NIL or value)
  end
end

local function answer_save(id, failure)
  answer_later(id, failure)
end

-- Asks whether a copy may replace a file of the same name, with No as the default: the file
-- may be the user's own. A prompt of its own, as the save's: confirm() answers its default at
-- once where Neovim has no screen.
function calls.confirm(id, question)
  vim.schedule(function()
    local ok, answer = pcall(vim.fn.input, { prompt = "Vorrel: " .. question .. " (y/N) " })
    answer_later(id, ok and answer:match("^%s*[yY]") ~= nil)
  end)
  return { pending = true }
end

-- Asks for a name for the untitled `buf` and writes it there; never over an existing file.
local function save_as(buf, id)
  local answered = false
  local function on_answer(path)
    if answered then
      return
    end
    answered = true
    if not path or path == "" then
      return answer_save(id, "The document was not saved.")
    end
    path = vim.fn.fnamemodify(path, ":p")
    if (vim.uv or vim.loop).fs_stat(path) then
      return answer_save(id, "The document was not saved: " .. path .. " exists already.")
    end
    if not api.nvim_buf_is_valid(buf) then
      return answer_save(id, "The document was not saved: it was closed.")
    end
    answer_save(id, write(buf, path))
  end
  -- Ctrl-C in the prompt raises an interrupt instead of answering.
  local ok = pcall(vim.ui.input, {
    prompt = "Vorrel: save the untitled document as: ",
    completion = "file",
  }, on_answer)
  if not ok then
    on_answer(nil)
  end
end

-- Saves the current document: { value = nil or what failed } at once, or { pending = true }
-- while the user is asked for a name.
function calls.save(id)
  local buf = current_document()
  if not buf then
    return { value = "No document is open in Neovim." }
  end
  if api.nvim_buf_get_name(buf) ~= "" then
    return { value = write(buf, nil) }
  end
  vim.schedule(function()
    save_as(buf, id)
  end)
  return { pending = true }
end

function M.call(name, ...)
  return calls[name](...)
end

return M
